#include <charconv>
#include <fstream>
#include <sstream>

#include <pugixml.hpp>

#include "base/error.hpp"
#include "base/io_error.hpp"
#include "report/base64.hpp"
#include "report/layout_file.hpp"

namespace vezu {
namespace {

[[noreturn]] void invalid(const std::string& why) {
    throw Error("Invalid layout file: " + why);
}

// Numbers are read without the locale, so "18.89765" means the same under
// every decimal separator.
Unit number(const pugi::xml_node& node, const char* name, Unit fallback) {
    const pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute) {
        return fallback;
    }
    const std::string_view text = attribute.value();
    Unit value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        invalid(std::string(name) + "=\"" + std::string(text) + "\"");
    }
    return value;
}

int integer(const pugi::xml_node& node, const char* name, int fallback) {
    return static_cast<int>(number(node, name, fallback));
}

bool flag(const pugi::xml_node& node, const char* name, bool fallback) {
    const pugi::xml_attribute attribute = node.attribute(name);
    return attribute ? attribute.as_bool() : fallback;
}

std::string text(const pugi::xml_node& node, const char* name) {
    return node.attribute(name).value();
}

std::uint32_t color(const pugi::xml_node& node, const char* name, std::uint32_t fallback) {
    const std::string_view value = node.attribute(name).value();
    if (value.size() != 7 || value.front() != '#') {
        return fallback;
    }
    std::uint32_t rgb = 0;
    std::from_chars(value.data() + 1, value.data() + 7, rgb, 16);
    return rgb;
}

std::optional<Font> font(const pugi::xml_node& parent) {
    const pugi::xml_node node = parent.child("font");
    if (!node) {
        return std::nullopt;
    }
    Font font;
    if (node.attribute("name")) {
        font.name = text(node, "name");
    }
    font.height = integer(node, "height", font.height);
    font.color = color(node, "color", font.color);
    font.bold = flag(node, "bold", false);
    font.italic = flag(node, "italic", false);
    return font;
}

void readBox(const pugi::xml_node& node, ViewBox& view) {
    view.name = text(node, "name");
    view.left = number(node, "left", 0);
    view.top = number(node, "top", 0);
    view.width = number(node, "width", 0);
    view.height = number(node, "height", 0);
    view.align =
        std::string_view(node.attribute("align").value()) == "width" ? Align::Width : Align::None;
    const std::string_view lines = node.attribute("frame").value();
    view.frame.left = lines.find("left") != std::string_view::npos;
    view.frame.top = lines.find("top") != std::string_view::npos;
    view.frame.right = lines.find("right") != std::string_view::npos;
    view.frame.bottom = lines.find("bottom") != std::string_view::npos;
    view.frame.color = color(node, "frameColor", view.frame.color);
    view.frame.width = static_cast<double>(number(node, "frameWidth", view.frame.width));
}

template <typename E>
E choice(const pugi::xml_node& node, const char* name,
         std::initializer_list<std::pair<std::string_view, E>> values, E fallback) {
    const std::string_view value = node.attribute(name).value();
    for (const auto& [word, e] : values) {
        if (value == word) {
            return e;
        }
    }
    return fallback;
}

MemoView memo(const pugi::xml_node& node) {
    MemoView memo;
    readBox(node, memo);
    memo.text = node.child("text").text().get();
    memo.font = font(node);
    memo.hAlign =
        choice(node, "hAlign",
               {{"left", HAlign::Left}, {"center", HAlign::Center}, {"right", HAlign::Right}},
               HAlign::Left);
    memo.vAlign =
        choice(node, "vAlign",
               {{"top", VAlign::Top}, {"center", VAlign::Center}, {"bottom", VAlign::Bottom}},
               VAlign::Top);
    memo.gapX = number(node, "gapX", memo.gapX);
    memo.gapY = number(node, "gapY", memo.gapY);
    memo.lineSpacing = number(node, "lineSpacing", memo.lineSpacing);
    memo.wordWrap = flag(node, "wordWrap", memo.wordWrap);
    memo.clipped = flag(node, "clipped", memo.clipped);
    memo.allowExpressions = flag(node, "allowExpressions", memo.allowExpressions);
    memo.dataSet = text(node, "dataSet");
    memo.dataField = text(node, "dataField");
    return memo;
}

PictureView picture(const pugi::xml_node& node) {
    PictureView picture;
    readBox(node, picture);
    picture.keepAspectRatio = flag(node, "keepAspectRatio", picture.keepAspectRatio);
    picture.stretched = flag(node, "stretched", picture.stretched);
    picture.highQuality = flag(node, "highQuality", picture.highQuality);
    picture.transparent = flag(node, "transparent", picture.transparent);
    const std::string_view data = node.child("jpeg").text().get();
    if (!data.empty()) {
        picture.picture = pictureFromJpeg(decodeBase64(data));
    }
    return picture;
}

std::vector<ReportObject> objects(const pugi::xml_node& parent) {
    std::vector<ReportObject> result;
    for (const pugi::xml_node& node : parent.children()) {
        const std::string_view kind = node.name();
        if (kind == "memo") {
            result.emplace_back(memo(node));
        } else if (kind == "picture") {
            result.emplace_back(picture(node));
        }
    }
    return result;
}

constexpr std::pair<std::string_view, BandKind> kBandElements[] = {
    {"reportTitle", BandKind::ReportTitle}, {"pageHeader", BandKind::PageHeader},
    {"masterData", BandKind::MasterData},   {"reportSummary", BandKind::ReportSummary},
    {"pageFooter", BandKind::PageFooter},
};

ReportPage page(const pugi::xml_node& node) {
    ReportPage page;
    page.name = text(node, "name");
    Paper& paper = page.paper;
    paper.width = number(node, "paperWidth", paper.width);
    paper.height = number(node, "paperHeight", paper.height);
    paper.sizeCode = integer(node, "paperSize", paper.sizeCode);
    paper.orientation = std::string_view(node.attribute("orientation").value()) == "landscape"
                            ? Orientation::Landscape
                            : Orientation::Portrait;
    paper.leftMargin = number(node, "leftMargin", paper.leftMargin);
    paper.rightMargin = number(node, "rightMargin", paper.rightMargin);
    paper.topMargin = number(node, "topMargin", paper.topMargin);
    paper.bottomMargin = number(node, "bottomMargin", paper.bottomMargin);
    page.font = font(node).value_or(Font{});
    page.titleBeforeHeader = flag(node, "titleBeforeHeader", page.titleBeforeHeader);
    page.printIfEmpty = flag(node, "printIfEmpty", page.printIfEmpty);
    for (const pugi::xml_node& child : node.children()) {
        for (const auto& [element, kind] : kBandElements) {
            if (element != child.name()) {
                continue;
            }
            Band band;
            band.kind = kind;
            band.name = text(child, "name");
            band.top = number(child, "top", 0);
            band.height = number(child, "height", 0);
            band.font = font(child);
            band.dataSet = text(child, "dataSet");
            band.rowCount = integer(child, "rowCount", 0);
            band.printOnFirstPage = flag(child, "printOnFirstPage", true);
            band.printOnLastPage = flag(child, "printOnLastPage", true);
            band.objects = objects(child);
            page.bands.push_back(std::move(band));
        }
    }
    page.objects = objects(node);
    return page;
}

} // namespace

Layout readLayout(std::string_view xml) {
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(
        xml.data(), xml.size(), pugi::parse_default | pugi::parse_ws_pcdata_single);
    if (!parsed) {
        invalid(parsed.description());
    }
    const pugi::xml_node root = document.child("korbane-report");
    if (!root) {
        invalid("no korbane-report element");
    }
    Layout layout;
    for (const pugi::xml_node& node : root.child("datasets").children("dataset")) {
        layout.dataSets.push_back(text(node, "name"));
    }
    for (const pugi::xml_node& node : root.child("variables").children()) {
        Variable variable{text(node, "name"), std::nullopt};
        if (const pugi::xml_node value = node.child("value")) {
            variable.value = value.text().get();
        }
        layout.variables.add(std::move(variable));
    }
    if (const pugi::xml_node script = root.child("script")) {
        layout.script = script.text().get();
    }
    const pugi::xml_node options = root.child("options");
    EngineOptions& o = layout.options;
    o.convertNulls = flag(options, "convertNulls", o.convertNulls);
    o.doublePass = flag(options, "doublePass", o.doublePass);
    o.useGlobalDataSetList = flag(options, "globalDataSets", o.useGlobalDataSetList);
    o.saveLayoutAroundRun = flag(options, "saveLayout", o.saveLayoutAroundRun);
    o.silentMode = flag(options, "silent", o.silentMode);
    o.printIfEmpty = flag(options, "printIfEmpty", o.printIfEmpty);
    if (const pugi::xml_node node = root.child("page")) {
        layout.page = page(node);
    }
    return layout;
}

Layout readLayoutFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw inOutError(errno);
    }
    std::ostringstream content;
    content << file.rdbuf();
    return readLayout(content.str());
}

} // namespace vezu

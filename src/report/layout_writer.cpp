#include <charconv>
#include <cstdio>
#include <sstream>

#include <pugixml.hpp>

#include "base/atomic_file.hpp"
#include "report/base64.hpp"
#include "report/layout_file.hpp"

namespace vezu {
namespace {

// Shortest text that reads back to the same 80-bit value, without the locale.
void number(pugi::xml_node& node, const char* name, Unit value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    node.append_attribute(name) = std::string(buffer, result.ptr).c_str();
}

void numberUnlessDefault(pugi::xml_node& node, const char* name, Unit value, Unit fallback) {
    if (value != fallback) {
        number(node, name, value);
    }
}

void flagUnlessDefault(pugi::xml_node& node, const char* name, bool value, bool fallback) {
    if (value != fallback) {
        node.append_attribute(name) = value ? "true" : "false";
    }
}

void text(pugi::xml_node& node, const char* name, const std::string& value) {
    if (!value.empty()) {
        node.append_attribute(name) = value.c_str();
    }
}

std::string colorText(std::uint32_t rgb) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFF));
    return buffer;
}

void font(pugi::xml_node& parent, const std::optional<Font>& font) {
    if (!font) {
        return;
    }
    pugi::xml_node node = parent.append_child("font");
    node.append_attribute("name") = font->name.c_str();
    node.append_attribute("height") = font->height;
    if (font->color != 0) {
        node.append_attribute("color") = colorText(font->color).c_str();
    }
    flagUnlessDefault(node, "bold", font->bold, false);
    flagUnlessDefault(node, "italic", font->italic, false);
}

void writeBox(pugi::xml_node& node, const ViewBox& view) {
    text(node, "name", view.name);
    number(node, "left", view.left);
    number(node, "top", view.top);
    number(node, "width", view.width);
    number(node, "height", view.height);
    if (view.align == Align::Width) {
        node.append_attribute("align") = "width";
    }
    std::string lines;
    for (const auto& [on, word] : {std::pair{view.frame.left, "left"},
                                   {view.frame.top, "top"},
                                   {view.frame.right, "right"},
                                   {view.frame.bottom, "bottom"}}) {
        if (on) {
            lines += lines.empty() ? word : std::string(" ") + word;
        }
    }
    text(node, "frame", lines);
    if (view.frame.color != 0) {
        node.append_attribute("frameColor") = colorText(view.frame.color).c_str();
    }
    numberUnlessDefault(node, "frameWidth", view.frame.width, 1);
}

void memo(pugi::xml_node& parent, const MemoView& memo) {
    const MemoView defaults;
    pugi::xml_node node = parent.append_child("memo");
    writeBox(node, memo);
    constexpr const char* hAligns[] = {"left", "center", "right"};
    constexpr const char* vAligns[] = {"top", "center", "bottom"};
    if (memo.hAlign != defaults.hAlign) {
        node.append_attribute("hAlign") = hAligns[static_cast<int>(memo.hAlign)];
    }
    if (memo.vAlign != defaults.vAlign) {
        node.append_attribute("vAlign") = vAligns[static_cast<int>(memo.vAlign)];
    }
    numberUnlessDefault(node, "gapX", memo.gapX, defaults.gapX);
    numberUnlessDefault(node, "gapY", memo.gapY, defaults.gapY);
    numberUnlessDefault(node, "lineSpacing", memo.lineSpacing, defaults.lineSpacing);
    flagUnlessDefault(node, "wordWrap", memo.wordWrap, defaults.wordWrap);
    flagUnlessDefault(node, "clipped", memo.clipped, defaults.clipped);
    flagUnlessDefault(node, "allowExpressions", memo.allowExpressions, defaults.allowExpressions);
    text(node, "dataSet", memo.dataSet);
    text(node, "dataField", memo.dataField);
    font(node, memo.font);
    if (!memo.text.empty()) {
        node.append_child("text").text() = memo.text.c_str();
    }
}

void picture(pugi::xml_node& parent, const PictureView& picture) {
    const PictureView defaults;
    pugi::xml_node node = parent.append_child("picture");
    writeBox(node, picture);
    flagUnlessDefault(node, "keepAspectRatio", picture.keepAspectRatio, defaults.keepAspectRatio);
    flagUnlessDefault(node, "stretched", picture.stretched, defaults.stretched);
    flagUnlessDefault(node, "highQuality", picture.highQuality, defaults.highQuality);
    flagUnlessDefault(node, "transparent", picture.transparent, defaults.transparent);
    if (!picture.picture.empty()) {
        node.append_child("jpeg").text() = encodeBase64(picture.picture.jpeg).c_str();
    }
}

void objects(pugi::xml_node& parent, const std::vector<ReportObject>& list) {
    for (const ReportObject& object : list) {
        if (const auto* m = std::get_if<MemoView>(&object)) {
            memo(parent, *m);
        } else if (const auto* p = std::get_if<PictureView>(&object)) {
            picture(parent, *p);
        }
    }
}

constexpr const char* kBandElements[] = {"reportTitle", "pageHeader", "masterData", "reportSummary",
                                         "pageFooter"};

void page(pugi::xml_node& parent, const ReportPage& page) {
    pugi::xml_node node = parent.append_child("page");
    text(node, "name", page.name);
    const Paper& paper = page.paper;
    number(node, "paperWidth", paper.width);
    number(node, "paperHeight", paper.height);
    node.append_attribute("paperSize") = paper.sizeCode;
    node.append_attribute("orientation") =
        paper.orientation == Orientation::Landscape ? "landscape" : "portrait";
    number(node, "leftMargin", paper.leftMargin);
    number(node, "rightMargin", paper.rightMargin);
    number(node, "topMargin", paper.topMargin);
    number(node, "bottomMargin", paper.bottomMargin);
    flagUnlessDefault(node, "titleBeforeHeader", page.titleBeforeHeader, true);
    flagUnlessDefault(node, "printIfEmpty", page.printIfEmpty, true);
    if (page.font != Font{}) {
        font(node, page.font);
    }
    objects(node, page.objects);
    for (const Band& band : page.bands) {
        pugi::xml_node child = node.append_child(kBandElements[static_cast<int>(band.kind)]);
        text(child, "name", band.name);
        number(child, "top", band.top);
        number(child, "height", band.height);
        text(child, "dataSet", band.dataSet);
        if (band.rowCount != 0) {
            child.append_attribute("rowCount") = band.rowCount;
        }
        flagUnlessDefault(child, "printOnFirstPage", band.printOnFirstPage, true);
        flagUnlessDefault(child, "printOnLastPage", band.printOnLastPage, true);
        font(child, band.font);
        objects(child, band.objects);
    }
}

} // namespace

std::string writeLayout(const Layout& layout) {
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("korbane-report");
    root.append_attribute("version") = 1;
    pugi::xml_node dataSets = root.append_child("datasets");
    for (const std::string& name : layout.dataSets) {
        dataSets.append_child("dataset").append_attribute("name") = name.c_str();
    }
    pugi::xml_node variables = root.append_child("variables");
    for (const Variable& variable : layout.variables.entries()) {
        pugi::xml_node node =
            variables.append_child(variable.isCategory() ? "category" : "variable");
        node.append_attribute("name") = variable.name.c_str();
        if (variable.value) {
            node.append_child("value").text() = variable.value->c_str();
        }
    }
    const EngineOptions defaults;
    const EngineOptions& o = layout.options;
    pugi::xml_node options = root.append_child("options");
    flagUnlessDefault(options, "convertNulls", o.convertNulls, defaults.convertNulls);
    flagUnlessDefault(options, "doublePass", o.doublePass, defaults.doublePass);
    flagUnlessDefault(options, "globalDataSets", o.useGlobalDataSetList,
                      defaults.useGlobalDataSetList);
    flagUnlessDefault(options, "saveLayout", o.saveLayoutAroundRun, defaults.saveLayoutAroundRun);
    flagUnlessDefault(options, "silent", o.silentMode, defaults.silentMode);
    flagUnlessDefault(options, "printIfEmpty", o.printIfEmpty, defaults.printIfEmpty);
    root.append_child("script").text() = layout.script.c_str();
    if (layout.page) {
        page(root, *layout.page);
    }
    std::ostringstream out;
    document.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
    return out.str();
}

void writeLayoutFile(const Layout& layout, const std::string& path) {
    AtomicFileWriter file(path);
    file.write(writeLayout(layout));
    file.commit();
}

} // namespace vezu

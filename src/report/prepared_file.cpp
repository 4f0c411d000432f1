#include "report/prepared_file.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <sstream>

#include <pugixml.hpp>

#include "base/atomic_file.hpp"
#include "base/error.hpp"
#include "report/layout_file.hpp"

namespace vezu {
namespace {

// What is wrong with a saved report, told to the user with the file's name.
struct Damage {
    std::string why;
};

[[noreturn]] void damaged(std::string why) {
    throw Damage{std::move(why)};
}

// Far beyond any paper, and small enough to draw without overflowing.
constexpr double kMaxExtent = 100000;
constexpr int kMaxFontHeight = 1000;

bool within(double value, double low, double high) {
    return std::isfinite(value) && value >= low && value <= high;
}

struct Source {
    std::size_t layout;
    std::string ref; // "p.3": page object 3; "b2.1": object 1 of band 2
};

std::map<const void*, Source> sourcesOf(const PreparedPages& pages) {
    std::map<const void*, Source> sources;
    for (std::size_t l = 0; l < pages.layouts().size(); ++l) {
        const ReportPage& page = *pages.layouts()[l]->page;
        sources[&page.paper] = {l, {}};
        for (std::size_t i = 0; i < page.objects.size(); ++i) {
            sources[&page.objects[i]] = {l, "p." + std::to_string(i)};
        }
        for (std::size_t b = 0; b < page.bands.size(); ++b) {
            for (std::size_t i = 0; i < page.bands[b].objects.size(); ++i) {
                sources[&page.bands[b].objects[i]] = {l, "b" + std::to_string(b) + "." +
                                                             std::to_string(i)};
            }
        }
    }
    return sources;
}

std::optional<std::size_t> number(std::string_view text) {
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// Without the locale, so the file reads the same under every decimal separator.
void setNumber(pugi::xml_node& node, const char* name, double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    node.append_attribute(name) = std::string(buffer, result.ptr).c_str();
}

std::optional<double> getNumber(const pugi::xml_node& node, const char* name) {
    const std::string_view text = node.attribute(name).value();
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

const ReportObject* objectOf(const ReportPage& page, std::string_view ref) {
    const std::size_t dot = ref.find('.');
    if (dot == std::string_view::npos) {
        return nullptr;
    }
    const auto index = number(ref.substr(dot + 1));
    const std::vector<ReportObject>* objects = &page.objects;
    if (ref.front() == 'b') {
        const auto band = number(ref.substr(1, dot - 1));
        if (!band || *band >= page.bands.size()) {
            return nullptr;
        }
        objects = &page.bands[*band].objects;
    } else if (ref.substr(0, dot) != "p") {
        return nullptr;
    }
    return index && *index < objects->size() ? &(*objects)[*index] : nullptr;
}

void checkPaper(const Paper& paper, std::size_t layout) {
    const double width = static_cast<double>(paper.width);
    const double height = static_cast<double>(paper.height);
    const bool margins =
        within(static_cast<double>(paper.leftMargin + paper.rightMargin), 0, width) &&
        within(static_cast<double>(paper.topMargin + paper.bottomMargin), 0, height) &&
        paper.leftMargin >= 0 && paper.rightMargin >= 0 && paper.topMargin >= 0 &&
        paper.bottomMargin >= 0;
    if (!within(width, 1, 5000) || !within(height, 1, 5000) || !margins) {
        damaged("o layout " + std::to_string(layout + 1) +
                " tem papel ou margens de tamanho inválido");
    }
}

// Every value the page renderer reads from a memo must be there and sane.
void checkMemo(const MemoView& memo, const std::string& where) {
    if (!memo.font) {
        damaged("o texto \"" + memo.name + "\" " + where + " não tem fonte");
    }
    const double spacings[] = {static_cast<double>(memo.gapX), static_cast<double>(memo.gapY),
                               static_cast<double>(memo.lineSpacing), memo.frame.width};
    const bool spaced = std::all_of(std::begin(spacings), std::end(spacings), [](double value) {
        return within(value, -kMaxExtent, kMaxExtent);
    });
    if (memo.font->height < 1 || memo.font->height > kMaxFontHeight || !spaced) {
        damaged("o texto \"" + memo.name + "\" " + where +
                " tem fonte ou espaçamento de tamanho inválido");
    }
}

PreparedObject readObject(const pugi::xml_node& o, const ReportPage& layout,
                          const std::string& where) {
    const ReportObject* source = objectOf(layout, o.attribute("ref").value());
    if (source == nullptr) {
        damaged(where + " refere-se a um objeto que o layout não tem");
    }
    const auto x = getNumber(o, "x");
    const auto y = getNumber(o, "y");
    const auto w = getNumber(o, "w");
    const auto h = getNumber(o, "h");
    if (!x || !y || !w || !h || !within(*x, -kMaxExtent, kMaxExtent) ||
        !within(*y, -kMaxExtent, kMaxExtent) || !within(*w, 0, kMaxExtent) ||
        !within(*h, 0, kMaxExtent)) {
        damaged("o objeto \"" + box(*source).name + "\" " + where +
                " não tem posição e tamanho válidos");
    }
    if (const MemoView* memo = std::get_if<MemoView>(source)) {
        checkMemo(*memo, where);
    }
    return PreparedObject{source, Rect{*x, *y, *w, *h}, o.text().get()};
}

PreparedPages readPages(const pugi::xml_node& root) {
    PreparedPages pages;
    std::vector<const ReportPage*> layouts;
    for (const pugi::xml_node& node : root.children("layout")) {
        std::shared_ptr<const Layout> layout;
        try {
            layout = std::make_shared<const Layout>(readLayout(node.text().get()));
        } catch (const Error& error) {
            damaged(error.what());
        }
        if (!layout->page) {
            damaged("o layout " + std::to_string(layouts.size() + 1) + " não tem página");
        }
        checkPaper(layout->page->paper, layouts.size());
        layouts.push_back(&*layout->page);
        pages.keep(layout);
    }
    for (const pugi::xml_node& node : root.children("page")) {
        const std::string where = "na página " + std::to_string(pages.count() + 1);
        const auto l = number(node.attribute("layout").value());
        if (!l || *l >= layouts.size()) {
            damaged("a página " + std::to_string(pages.count() + 1) + " indica o layout \"" +
                    node.attribute("layout").value() + "\", mas o arquivo tem " +
                    std::to_string(layouts.size()));
        }
        PreparedPage& page = pages.addPage(layouts[*l]->paper);
        for (const pugi::xml_node& o : node.children("o")) {
            page.objects.push_back(readObject(o, *layouts[*l], where));
        }
    }
    return pages;
}

} // namespace

void savePreparedPages(const PreparedPages& pages, const std::string& path) {
    const auto sources = sourcesOf(pages);
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("korbane-prepared");
    root.append_attribute("version") = 1;
    for (const auto& layout : pages.layouts()) {
        root.append_child("layout").text() = writeLayout(*layout).c_str();
    }
    for (const PreparedPage& page : pages.pages()) {
        pugi::xml_node node = root.append_child("page");
        node.append_attribute("layout") = static_cast<unsigned>(sources.at(page.paper).layout);
        for (const PreparedObject& object : page.objects) {
            pugi::xml_node o = node.append_child("o");
            o.append_attribute("ref") = sources.at(object.source).ref.c_str();
            setNumber(o, "x", object.box.left);
            setNumber(o, "y", object.box.top);
            setNumber(o, "w", object.box.width);
            setNumber(o, "h", object.box.height);
            if (!object.text.empty()) {
                o.text() = object.text.c_str();
            }
        }
    }
    std::ostringstream out;
    document.save(out, "", pugi::format_raw, pugi::encoding_utf8);
    AtomicFileWriter file(path);
    file.write(out.str());
    file.commit();
}

PreparedPages loadPreparedPages(const std::string& path) {
    pugi::xml_document document;
    const pugi::xml_node root =
        document.load_file(path.c_str(), pugi::parse_default | pugi::parse_ws_pcdata_single)
            ? document.child("korbane-prepared")
            : pugi::xml_node();
    if (!root) {
        throw Error("O arquivo \"" + path + "\" não é um relatório salvo.");
    }
    try {
        return readPages(root);
    } catch (const Damage& damage) {
        throw Error("O relatório salvo \"" + path + "\" está danificado: " + damage.why + ".");
    }
}

} // namespace vezu

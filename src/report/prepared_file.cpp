#include "report/prepared_file.hpp"

#include <charconv>
#include <map>
#include <sstream>

#include <pugixml.hpp>

#include "base/atomic_file.hpp"
#include "base/error.hpp"
#include "report/layout_file.hpp"

namespace vezu {
namespace {

[[noreturn]] void invalid() { throw Error("Invalid prepared report file"); }

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
                sources[&page.bands[b].objects[i]] = {l, "b" + std::to_string(b) + "." + std::to_string(i)};
            }
        }
    }
    return sources;
}

std::size_t number(std::string_view text) {
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        invalid();
    }
    return value;
}

// Without the locale, so the file reads the same under every decimal separator.
void setNumber(pugi::xml_node& node, const char* name, double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    node.append_attribute(name) = std::string(buffer, result.ptr).c_str();
}

double getNumber(const pugi::xml_node& node, const char* name) {
    const std::string_view text = node.attribute(name).value();
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        invalid();
    }
    return value;
}

const ReportObject& objectOf(const ReportPage& page, std::string_view ref) {
    const std::size_t dot = ref.find('.');
    if (dot == std::string_view::npos) {
        invalid();
    }
    const std::size_t index = number(ref.substr(dot + 1));
    const std::vector<ReportObject>* objects = &page.objects;
    if (ref.front() == 'b') {
        const std::size_t band = number(ref.substr(1, dot - 1));
        if (band >= page.bands.size()) {
            invalid();
        }
        objects = &page.bands[band].objects;
    } else if (ref.substr(0, dot) != "p") {
        invalid();
    }
    if (index >= objects->size()) {
        invalid();
    }
    return (*objects)[index];
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
    if (!document.load_file(path.c_str(), pugi::parse_default | pugi::parse_ws_pcdata_single)) {
        invalid();
    }
    const pugi::xml_node root = document.child("korbane-prepared");
    if (!root) {
        invalid();
    }
    PreparedPages pages;
    std::vector<const ReportPage*> layouts;
    for (const pugi::xml_node& node : root.children("layout")) {
        auto layout = std::make_shared<const Layout>(readLayout(node.text().get()));
        if (!layout->page) {
            invalid();
        }
        layouts.push_back(&*layout->page);
        pages.keep(layout);
    }
    for (const pugi::xml_node& node : root.children("page")) {
        const std::size_t l = node.attribute("layout").as_uint();
        if (l >= layouts.size()) {
            invalid();
        }
        PreparedPage& page = pages.addPage(layouts[l]->paper);
        for (const pugi::xml_node& o : node.children("o")) {
            page.objects.push_back(PreparedObject{
                &objectOf(*layouts[l], o.attribute("ref").value()),
                Rect{getNumber(o, "x"), getNumber(o, "y"), getNumber(o, "w"), getNumber(o, "h")},
                o.text().get()});
        }
    }
    return pages;
}

} // namespace vezu

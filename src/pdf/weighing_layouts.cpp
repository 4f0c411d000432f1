#include "pdf/weighing_layouts.hpp"

#include <filesystem>
#include <fstream>

#include "pdf/report_resources.hpp"
#include "report/layout_file.hpp"

namespace vezu {
namespace {

Layout withLogo(std::string_view xml) {
    Layout layout = readLayout(xml);
    for (ReportObject& object : layout.page->objects) {
        if (auto* picture = std::get_if<PictureView>(&object);
            picture && picture->name == "Picture1") {
            picture->picture = pictureFromJpeg(std::string(resources::logoJpeg));
        }
    }
    return layout;
}

bool holdsEarlierLayout(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string content(resources::earlierKr20LayoutFile.size() + 1, '\0');
    file.read(content.data(), static_cast<std::streamsize>(content.size()));
    content.resize(static_cast<std::size_t>(file.gcount()));
    return content == resources::earlierKr20LayoutFile;
}

} // namespace

Layout kr10Layout() {
    return withLogo(resources::kr10Layout);
}

Layout kr20Layout() {
    return withLogo(resources::kr20Layout);
}

bool writeKr20LayoutFileIfMissing(const std::string& dataFolder) {
    const std::string path = dataFolder + std::string(kKr20LayoutFile);
    std::error_code ignored;
    if (std::filesystem::exists(path, ignored) && !holdsEarlierLayout(path)) {
        return false;
    }
    writeLayoutFile(kr20Layout(), path);
    return true;
}

} // namespace vezu

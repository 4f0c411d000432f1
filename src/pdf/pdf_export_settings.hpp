#pragma once

#include <string>

namespace vezu {

enum class PageRangeKind { All, Current, Pages };

// The PDF filter's settings, as the export options dialog shows them; the
// defaults are the program's.
struct PdfExportSettings {
    std::string fileName;
    // Page range.
    PageRangeKind range = PageRangeKind::All;
    std::string pages; // "1,3,5-12" when range is Pages
    // Export settings. Output is never PDF/A: the library cannot write it.
    bool embeddedFonts = false;
    bool printOptimized = false;
    bool outline = false; // no bookmarks: the preview's outline is hidden
    bool background = false;
    int quality = 95; // JPEG quality of pictures
    bool compressed = false;
    bool openAfterExport = true;
    // Document information.
    std::string title;
    std::string author = "Korbane Vezu";
    std::string subject = "Korbane Vezu PDF export";
    std::string keywords;
    std::string creator;
    std::string producer;
    // Security: no password, no encryption.
    std::string ownerPassword;
    std::string userPassword;
    bool allowPrint = true;
    bool allowModify = true;
    bool allowCopy = true;
    bool allowAnnotate = true;
    // Viewer preferences.
    bool hideToolbar = false;
    bool hideMenubar = false;
    bool hideWindowUI = false;
    bool fitWindow = false;
    bool centerWindow = false;
    bool printScaling = false; // on: the viewer prints at actual size
};

} // namespace vezu

#include "pdf/pdf_writer.hpp"

#include <ctime>
#include <memory>
#include <random>

#include "base/atomic_file.hpp"
#include "base/cp1252.hpp"
#include "base/error.hpp"
#include "pdf/page_range.hpp"
#include "pdf/pdf_canvas.hpp"
#include "pdf/pdf_document.hpp"
#include "report/page_renderer.hpp"
#include "report/report_error.hpp"
#include "report/report_texts.hpp"

namespace vezu {
namespace {

ReportError cannotCreate(const std::string& path, const Error& reason) {
    std::string text(kCannotCreateFile);
    text.replace(text.find("%s"), 2, path);
    text.replace(text.rfind("%s"), 2, reason.what());
    return ReportError({text});
}

bool isAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

void setInformation(PdfDocument& document, const PdfExportSettings& settings) {
    const std::pair<HPDF_InfoType, const std::string*> entries[] = {
        {HPDF_INFO_TITLE, &settings.title},     {HPDF_INFO_AUTHOR, &settings.author},
        {HPDF_INFO_SUBJECT, &settings.subject}, {HPDF_INFO_KEYWORDS, &settings.keywords},
        {HPDF_INFO_CREATOR, &settings.creator}, {HPDF_INFO_PRODUCER, &settings.producer},
    };
    // Plain text first; then, with the UTF-8 encoder current, the library
    // writes the rest as UTF-16 text strings, which hold every character.
    for (const bool plain : {true, false}) {
        if (!plain) {
            document.check(HPDF_UseUTFEncodings(document.get()));
            document.check(HPDF_SetCurrentEncoder(document.get(), "UTF-8"));
        }
        for (const auto& [type, value] : entries) {
            // The library names itself as producer unless told otherwise.
            const bool wanted = !value->empty() || type == HPDF_INFO_PRODUCER;
            if (wanted && isAscii(*value) == plain) {
                document.check(HPDF_SetInfoAttr(document.get(), type, value->c_str()));
            }
        }
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    HPDF_Date date{local.tm_year + 1900,
                   local.tm_mon + 1,
                   local.tm_mday,
                   local.tm_hour,
                   local.tm_min,
                   local.tm_sec,
                   ' ',
                   0,
                   0};
    document.check(HPDF_SetInfoDateAttr(document.get(), HPDF_INFO_CREATION_DATE, date));
}

// Permissions are locked by an owner password; the library refuses an empty
// one, so without one of the user's a random one is used.
std::string randomPassword() {
    std::random_device source;
    std::string password;
    for (int i = 0; i < 32; ++i) {
        password += static_cast<char>('a' + source() % 26);
    }
    return password;
}

void setSecurity(PdfDocument& document, const PdfExportSettings& settings) {
    const bool allAllowed =
        settings.allowPrint && settings.allowModify && settings.allowCopy && settings.allowAnnotate;
    if (settings.ownerPassword.empty() && settings.userPassword.empty() && allAllowed) {
        return;
    }
    const std::string owner =
        settings.ownerPassword.empty() ? randomPassword() : utf8ToCp1252(settings.ownerPassword);
    document.check(HPDF_SetPassword(document.get(), owner.c_str(),
                                    utf8ToCp1252(settings.userPassword).c_str()));
    HPDF_UINT permission = HPDF_ENABLE_READ;
    permission |= settings.allowPrint ? HPDF_ENABLE_PRINT : 0;
    permission |= settings.allowModify ? HPDF_ENABLE_EDIT_ALL : 0;
    permission |= settings.allowCopy ? HPDF_ENABLE_COPY : 0;
    permission |= settings.allowAnnotate ? HPDF_ENABLE_EDIT : 0;
    document.check(HPDF_SetPermission(document.get(), permission));
    document.check(HPDF_SetEncryptionMode(document.get(), HPDF_ENCRYPT_R3, 16));
}

void setViewerPreferences(PdfDocument& document, const PdfExportSettings& settings) {
    HPDF_UINT preferences = 0;
    preferences |= settings.hideToolbar ? HPDF_HIDE_TOOLBAR : 0;
    preferences |= settings.hideMenubar ? HPDF_HIDE_MENUBAR : 0;
    preferences |= settings.hideWindowUI ? HPDF_HIDE_WINDOW_UI : 0;
    preferences |= settings.fitWindow ? HPDF_FIT_WINDOW : 0;
    preferences |= settings.centerWindow ? HPDF_CENTER_WINDOW : 0;
    preferences |= settings.printScaling ? HPDF_PRINT_SCALING_NONE : 0;
    if (preferences != 0) {
        document.check(HPDF_SetViewerPreference(document.get(), preferences));
    }
}

} // namespace

std::string noPageInRange(const PdfExportSettings& settings, std::size_t pageCount) {
    const std::string range =
        settings.range == PageRangeKind::Current ? "página atual" : settings.pages;
    return "Nenhuma página do relatório está no intervalo \"" + range + "\" (o relatório tem " +
           std::to_string(pageCount) + (pageCount == 1 ? " página" : " páginas") +
           "); nenhum arquivo foi gravado.";
}

std::vector<std::size_t> pagesToWrite(const PreparedPages& pages, const PdfExportSettings& settings,
                                      std::size_t currentPage) {
    if (pages.empty()) {
        throw Error(std::string(kReportWithoutPages));
    }
    std::vector<std::size_t> chosen =
        selectPages(settings.range, settings.pages, currentPage, pages.count());
    if (chosen.empty()) {
        throw Error(noPageInRange(settings, pages.count()));
    }
    return chosen;
}

void writePdf(const PreparedPages& pages, const PdfExportSettings& settings,
              std::size_t currentPage, const std::string& path) {
    if (!settings.ownerPassword.empty() && settings.ownerPassword == settings.userPassword) {
        throw Error(std::string(kEqualPasswords));
    }
    const std::vector<std::size_t> chosen = pagesToWrite(pages, settings, currentPage);
    std::unique_ptr<AtomicFileWriter> file;
    try {
        file = std::make_unique<AtomicFileWriter>(path);
    } catch (const InOutError& error) {
        throw cannotCreate(path, error);
    }

    PdfDocument document;
    document.check(HPDF_SetCompressionMode(document.get(),
                                           settings.compressed ? HPDF_COMP_ALL : HPDF_COMP_NONE));
    setInformation(document, settings);
    setSecurity(document, settings);
    setViewerPreferences(document, settings);
    PdfCanvas canvas(document, settings.embeddedFonts, settings.quality);
    for (const std::size_t index : chosen) {
        renderPage(pages.page(index), pages.count(), canvas);
    }
    try {
        document.saveTo(*file);
        file->commit();
    } catch (const InOutError& error) {
        throw cannotCreate(path, error);
    }
}

} // namespace vezu

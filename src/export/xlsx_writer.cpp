#include "export/xlsx_writer.hpp"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <unistd.h>
#include <xlsxwriter.h>

#include "base/atomic_file.hpp"
#include "base/error.hpp"
#include "base/io_error.hpp"

namespace vezu {
namespace {

void check(lxw_error error) {
    if (error != LXW_NO_ERROR) {
        throw InOutError(lxw_strerror(error));
    }
}

// The library names its output file itself, so it writes to a private file
// first; AtomicFileWriter then puts the bytes in place of the target.
class ScratchFile {
public:
    ScratchFile() {
        path_ = (std::filesystem::temp_directory_path() / "vezu-workbook-XXXXXX").string();
        const int fd = ::mkstemp(path_.data());
        if (fd < 0) {
            throw inOutError(errno);
        }
        ::close(fd);
    }
    ~ScratchFile() { ::unlink(path_.c_str()); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Frees a workbook that never reached workbook_close().
struct WorkbookFree {
    void operator()(lxw_workbook* workbook) const { lxw_workbook_free(workbook); }
};
using WorkbookHandle = std::unique_ptr<lxw_workbook, WorkbookFree>;

void writeSheet(lxw_workbook* workbook, const PlannedSheet& sheet,
                const std::vector<lxw_format*>& formats) {
    const lxw_error nameError = workbook_validate_sheet_name(workbook, sheet.name.c_str());
    if (nameError != LXW_NO_ERROR) {
        throw InOutError(formatMessage("Worksheet name '%s' refused: ", sheet.name) +
                         lxw_strerror(nameError));
    }
    lxw_worksheet* worksheet = workbook_add_worksheet(workbook, sheet.name.c_str());
    if (worksheet == nullptr) {
        throw InOutError(lxw_strerror(LXW_ERROR_MEMORY_MALLOC_FAILED));
    }
    for (std::size_t c = 0; c < sheet.columnWidths.size(); ++c) {
        if (sheet.columnWidths[c] > 0) {
            const auto column = static_cast<lxw_col_t>(c);
            check(worksheet_set_column(worksheet, column, column, sheet.columnWidths[c], nullptr));
        }
    }
    if (sheet.password) {
        // No options: contents, drawing objects and scenarios all protected.
        worksheet_protect(worksheet, sheet.password->c_str(), nullptr);
    }
    for (const PlanCell& cell : sheet.cells) {
        const lxw_row_t row = cell.row - 1;
        const auto column = static_cast<lxw_col_t>(cell.column - 1);
        lxw_format* format =
            cell.format == kNoFormat ? nullptr : formats.at(static_cast<std::size_t>(cell.format));
        // An empty text leaves the cell blank, keeping its format.
        check(cell.kind == CellKind::Number
                  ? worksheet_write_number(worksheet, row, column, cell.number, format)
                  : worksheet_write_string(worksheet, row, column, cell.text.c_str(), format));
    }
}

void buildWorkbook(const SheetPlan& plan, const std::string& file) {
    lxw_workbook_options options{};
    // Rows go to disk as they are finished, so memory stays flat for any size.
    options.constant_memory = LXW_TRUE;
    WorkbookHandle workbook(workbook_new_opt(file.c_str(), &options));
    if (!workbook) {
        throw InOutError(lxw_strerror(LXW_ERROR_MEMORY_MALLOC_FAILED));
    }
    lxw_doc_properties properties{};
    properties.title = const_cast<char*>(plan.caption.c_str());
    check(workbook_set_properties(workbook.get(), &properties));

    std::vector<lxw_format*> formats;
    for (const std::string& numberFormat : plan.numberFormats) {
        lxw_format* format = workbook_add_format(workbook.get());
        if (format == nullptr) {
            throw InOutError(lxw_strerror(LXW_ERROR_MEMORY_MALLOC_FAILED));
        }
        format_set_num_format(format, numberFormat.c_str());
        formats.push_back(format);
    }
    for (const PlannedSheet& sheet : plan.sheets) {
        writeSheet(workbook.get(), sheet, formats);
    }
    // workbook_close() frees the workbook whatever it returns.
    check(workbook_close(workbook.release()));
}

void copyFile(const std::string& from, AtomicFileWriter& to) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(from.c_str(), "rb"),
                                                       &std::fclose);
    if (!in) {
        throw inOutError(errno);
    }
    std::vector<char> buffer(1 << 20);
    for (;;) {
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), in.get());
        to.write(std::string_view(buffer.data(), got));
        if (got < buffer.size()) {
            if (std::ferror(in.get())) {
                throw inOutError(errno);
            }
            return;
        }
    }
}

} // namespace

void writeWorkbook(const SheetPlan& plan, const std::string& path) {
    // Opened first, so a folder that cannot take the file fails before any work.
    AtomicFileWriter target(path);
    const ScratchFile scratch;
    buildWorkbook(plan, scratch.path());
    copyFile(scratch.path(), target);
    target.commit();
}

std::string withXlsxExtension(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const auto dot = path.rfind('.');
    // A leading dot marks a hidden file, not an extension.
    if (dot != std::string::npos && dot > nameStart) {
        return path;
    }
    return path + ".xlsx";
}

} // namespace vezu

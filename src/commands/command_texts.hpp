#pragma once

namespace vezu {

// Texts of the command flows, byte for byte.
inline constexpr const char* kDiscardQuestion =
    "Os dados atuais serão descartados, deseja abrir outro arquivo ?";
inline constexpr const char* kExportKr10Question = "Deseja exportar o arquivo atual ?";
inline constexpr const char* kExportKr20Question = "Deseja exportar os arquivos ?";

// File dialog filters; a save dialog is told apart by its filter.
inline constexpr const char* kListingFilter = "Arquivos de texto (*.txt)";
inline constexpr const char* kCsvFilter = "Comma separated values (*.CSV)";
inline constexpr const char* kWorkbookFilter = "Pasta do Excel (*.xlsx)";
inline constexpr const char* kPdfFilter = "Adobe PDF file (*.pdf)";

// Folders of the data folder in which the dialogs open.
inline constexpr const char* kPendriveFolder = "Pesagens";
inline constexpr const char* kWorkbookFolder = "Arquivos";

} // namespace vezu

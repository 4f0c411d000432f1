#pragma once

namespace vezu {

// Texts the window shows, byte for byte.
inline constexpr const char* kAppTitle = "Korbane Vezu 4.2";
inline constexpr const char* kRibbonCaption = "KORBANE Vezu 4.2";
inline constexpr const char* kQuestionTitle = "Atenção !";
inline constexpr const char* kDiscardQuestion =
    "Os dados atuais serão descartados, deseja abrir outro arquivo ?";
inline constexpr const char* kExportKr10Question = "Deseja exportar o arquivo atual ?";
inline constexpr const char* kExportKr20Question = "Deseja exportar os arquivos ?";
inline constexpr const char* kDeleteRecordQuestion = "Delete record?";
inline constexpr const char* kModelNotConfigured = "Modelo de indicador não configurado";
inline constexpr const char* kModelKr10 = "Indicador KR-10";
inline constexpr const char* kModelKr20 = "Indicador KR-20";
inline constexpr const char* kListingFilter = "Arquivos de texto (*.txt)";
inline constexpr const char* kCsvFilter = "Comma separated values (*.CSV)";

} // namespace vezu

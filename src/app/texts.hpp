#pragma once

namespace vezu {

// Texts the window shows, byte for byte; those of the command flows are in
// commands/command_texts.hpp.
inline constexpr const char* kAppTitle = "Korbane Vezu 4.2";
inline constexpr const char* kRibbonCaption = "KORBANE Vezu 4.2";
inline constexpr const char* kQuestionTitle = "Atenção !";
inline constexpr const char* kDeleteRecordQuestion = "Delete record?";
inline constexpr const char* kModelNotConfigured = "Modelo de indicador não configurado";
inline constexpr const char* kModelKr10 = "Indicador KR-10";
inline constexpr const char* kModelKr20 = "Indicador KR-20";

} // namespace vezu

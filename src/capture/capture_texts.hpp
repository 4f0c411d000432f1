#pragma once

#include <string>
#include <string_view>

namespace vezu {

inline constexpr std::string_view kCaptureFileName = "Vezu.txt";
inline constexpr std::string_view kCannotOpenPort =
    "Não foi possível abrir comunicação, verifique configuração.";
inline constexpr std::string_view kWaitingForData = "Aguardando comunicação...";
inline constexpr std::string_view kReceivingData = "Recebendo dados...   Aguarde....";
inline constexpr std::string_view kDataReceived = "Dados recebidos com sucesso !";
inline constexpr std::string_view kNothingReceived = "Nenhum dado recebido !";
inline constexpr std::string_view kDeviceDisconnected =
    "O indicador foi desconectado durante a recepção: a listagem pode estar incompleta.";

// A port that did not open: the message, and its reason on a second line
// when there is one.
inline std::string cannotOpenPortText(const std::string& reason) {
    return std::string(kCannotOpenPort) + (reason.empty() ? "" : "\n" + reason);
}

// A waiting time of 0 or less would never end a capture: 10 seconds instead.
inline int captureWaitSeconds(int configured) {
    return configured > 0 ? configured : 10;
}

} // namespace vezu

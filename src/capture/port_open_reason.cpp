#include "capture/port_open_reason.hpp"

#include <cerrno>

#include "serial/com_open_error.hpp"

namespace vezu {

std::string portOpenReason(const std::string& port, int error,
                           const serial::platform::PortHolder& holder) {
    switch (error) {
    case EACCES:
    case EPERM:
        return "Sem permissão para usar a porta " + port +
               ": adicione o usuário ao grupo dialout e entre novamente na sessão.";
    case EBUSY:
        if (holder.pid == 0)
            return "A porta " + port + " está em uso por outro programa.";
        return "A porta " + port + " está em uso pelo programa " +
               (holder.program.empty() ? std::string("desconhecido") : holder.program) + " (pid " +
               std::to_string(holder.pid) + ").";
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return "A porta " + port + " não existe: verifique se o indicador está conectado.";
    case ENOTTY:
        return port + " não é uma porta serial.";
    default:
        return "A porta " + port + " não pôde ser aberta (erro " + std::to_string(error) + ").";
    }
}

std::string portOpenReason(const std::string& port, const std::exception& error) {
    if (const auto* open = dynamic_cast<const serial::EComPortOpen*>(&error))
        return portOpenReason(port, open->WinCode(), open->Holder());
    if (const auto* com = dynamic_cast<const serial::EComPort*>(&error);
        com && com->Code() == serial::kOpenFailed)
        return portOpenReason(port, com->WinCode());
    return {};
}

} // namespace vezu

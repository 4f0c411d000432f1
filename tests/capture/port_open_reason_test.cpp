#include <cerrno>
#include <gtest/gtest.h>
#include <stdexcept>

#include "capture/port_open_reason.hpp"
#include "serial/com_open_error.hpp"

namespace vezu {
namespace {

using serial::platform::PortHolder;

struct ReasonCase {
    int error;
    PortHolder holder;
    const char* reason;
};

class PortOpenReason : public ::testing::TestWithParam<ReasonCase> {};

TEST_P(PortOpenReason, TellsTheUserWhatToDo) {
    const ReasonCase& c = GetParam();
    EXPECT_EQ(portOpenReason("ttyUSB0", c.error, c.holder), c.reason);
    // The same from what the port threw.
    EXPECT_EQ(portOpenReason("ttyUSB0", serial::EComPortOpen(c.error, c.holder)), c.reason);
}

INSTANTIATE_TEST_SUITE_P(
    EachCause, PortOpenReason,
    ::testing::Values(
        ReasonCase{EACCES,
                   {},
                   "Sem permissão para usar a porta ttyUSB0: adicione o usuário ao grupo dialout "
                   "e entre novamente na sessão."},
        ReasonCase{EBUSY,
                   {4242, "minicom"},
                   "A porta ttyUSB0 está em uso pelo programa minicom (pid 4242)."},
        ReasonCase{EBUSY,
                   {4242, ""},
                   "A porta ttyUSB0 está em uso pelo programa desconhecido (pid 4242)."},
        ReasonCase{EBUSY, {}, "A porta ttyUSB0 está em uso por outro programa."},
        ReasonCase{
            ENOENT, {}, "A porta ttyUSB0 não existe: verifique se o indicador está conectado."},
        ReasonCase{
            ENXIO, {}, "A porta ttyUSB0 não existe: verifique se o indicador está conectado."},
        ReasonCase{ENOTTY, {}, "ttyUSB0 não é uma porta serial."},
        ReasonCase{EIO, {}, "A porta ttyUSB0 não pôde ser aberta (erro 5)."}));

TEST(PortOpenReasonOf, ErrorsThatAreNoOpenFailureTellNoReason) {
    EXPECT_EQ(portOpenReason("ttyUSB0", serial::EComPort(serial::kOpenFailed, EACCES)),
              portOpenReason("ttyUSB0", EACCES));
    EXPECT_EQ(portOpenReason("ttyUSB0", serial::EComPort(serial::kSetStateFailed, EINVAL)), "");
    EXPECT_EQ(portOpenReason("ttyUSB0", std::runtime_error("other")), "");
}

} // namespace
} // namespace vezu

#pragma once

#include <cstdint>

// The driver vocabulary of the serial layer: Win32's communication records and
// constants, bit for bit, so the Win32 backend can pass them straight through
// and every other backend has one fixed meaning to translate.
namespace vezu::serial::platform {

struct DCB {
    std::uint32_t DCBlength;
    std::uint32_t BaudRate;
    std::uint32_t Flags;
    std::uint16_t wReserved;
    std::uint16_t XonLim;
    std::uint16_t XoffLim;
    std::uint8_t ByteSize;
    std::uint8_t Parity;
    std::uint8_t StopBits;
    char XonChar;
    char XoffChar;
    char ErrorChar;
    char EofChar;
    char EvtChar;
    std::uint16_t wReserved1;
};
static_assert(sizeof(DCB) == 28);

// Bits of DCB::Flags.
inline constexpr std::uint32_t kDcbBinary = 0x0001;
inline constexpr std::uint32_t kDcbParity = 0x0002;
inline constexpr std::uint32_t kDcbOutxCtsFlow = 0x0004;
inline constexpr std::uint32_t kDcbOutxDsrFlow = 0x0008;
inline constexpr unsigned kDcbDtrControlShift = 4;
inline constexpr std::uint32_t kDcbDtrControlMask = 0x0030;
inline constexpr std::uint32_t kDcbDsrSensitivity = 0x0040;
inline constexpr std::uint32_t kDcbTxContinueOnXoff = 0x0080;
inline constexpr std::uint32_t kDcbOutX = 0x0100;
inline constexpr std::uint32_t kDcbInX = 0x0200;
inline constexpr std::uint32_t kDcbErrorChar = 0x0400;
inline constexpr std::uint32_t kDcbNull = 0x0800;
inline constexpr unsigned kDcbRtsControlShift = 12;
inline constexpr std::uint32_t kDcbRtsControlMask = 0x3000;

inline constexpr std::uint32_t kDtrControlDisable = 0;
inline constexpr std::uint32_t kDtrControlEnable = 1;
inline constexpr std::uint32_t kDtrControlHandshake = 2;
inline constexpr std::uint32_t kRtsControlDisable = 0;
inline constexpr std::uint32_t kRtsControlEnable = 1;
inline constexpr std::uint32_t kRtsControlHandshake = 2;
inline constexpr std::uint32_t kRtsControlToggle = 3;

// -1 as a time-out is all 32 bits set.
inline constexpr std::uint32_t kMaxDword = 0xFFFFFFFF;

struct COMMTIMEOUTS {
    std::uint32_t ReadIntervalTimeout;
    std::uint32_t ReadTotalTimeoutMultiplier;
    std::uint32_t ReadTotalTimeoutConstant;
    std::uint32_t WriteTotalTimeoutMultiplier;
    std::uint32_t WriteTotalTimeoutConstant;
};

// Queue lengths and hold flags reported with the line errors.
struct COMSTAT {
    std::uint32_t Flags;
    std::uint32_t cbInQue;
    std::uint32_t cbOutQue;
};

inline constexpr std::uint32_t kComStatCtsHold = 0x01;
inline constexpr std::uint32_t kComStatDsrHold = 0x02;
inline constexpr std::uint32_t kComStatRlsdHold = 0x04;
inline constexpr std::uint32_t kComStatXoffHold = 0x08;
inline constexpr std::uint32_t kComStatXoffSent = 0x10;
inline constexpr std::uint32_t kComStatEof = 0x20;
inline constexpr std::uint32_t kComStatTxim = 0x40;

// Event-mask bits.
inline constexpr std::uint32_t EV_RXCHAR = 0x0001;
inline constexpr std::uint32_t EV_RXFLAG = 0x0002;
inline constexpr std::uint32_t EV_TXEMPTY = 0x0004;
inline constexpr std::uint32_t EV_CTS = 0x0008;
inline constexpr std::uint32_t EV_DSR = 0x0010;
inline constexpr std::uint32_t EV_RLSD = 0x0020;
inline constexpr std::uint32_t EV_BREAK = 0x0040;
inline constexpr std::uint32_t EV_ERR = 0x0080;
inline constexpr std::uint32_t EV_RING = 0x0100;
inline constexpr std::uint32_t EV_RX80FULL = 0x0400;

// Line-error bits.
inline constexpr std::uint32_t CE_RXOVER = 0x0001;
inline constexpr std::uint32_t CE_OVERRUN = 0x0002;
inline constexpr std::uint32_t CE_RXPARITY = 0x0004;
inline constexpr std::uint32_t CE_FRAME = 0x0008;
inline constexpr std::uint32_t CE_BREAK = 0x0010;
inline constexpr std::uint32_t CE_TXFULL = 0x0100;
inline constexpr std::uint32_t CE_IOE = 0x0400;
inline constexpr std::uint32_t CE_MODE = 0x8000;

// Modem-status bits.
inline constexpr std::uint32_t MS_CTS_ON = 0x10;
inline constexpr std::uint32_t MS_DSR_ON = 0x20;
inline constexpr std::uint32_t MS_RING_ON = 0x40;
inline constexpr std::uint32_t MS_RLSD_ON = 0x80;

// Purge flags.
inline constexpr std::uint32_t PURGE_TXABORT = 0x0001;
inline constexpr std::uint32_t PURGE_RXABORT = 0x0002;
inline constexpr std::uint32_t PURGE_TXCLEAR = 0x0004;
inline constexpr std::uint32_t PURGE_RXCLEAR = 0x0008;

// Escape functions.
inline constexpr std::uint32_t SETXOFF = 1;
inline constexpr std::uint32_t SETXON = 2;
inline constexpr std::uint32_t SETRTS = 3;
inline constexpr std::uint32_t CLRRTS = 4;
inline constexpr std::uint32_t SETDTR = 5;
inline constexpr std::uint32_t CLRDTR = 6;
inline constexpr std::uint32_t SETBREAK = 8;
inline constexpr std::uint32_t CLRBREAK = 9;

} // namespace vezu::serial::platform

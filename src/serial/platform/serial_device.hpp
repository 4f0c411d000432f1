#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "serial/com_types.hpp"
#include "serial/platform/comm_types.hpp"
#include "serial/platform/stop_signal.hpp"

namespace vezu::serial::platform {

// Error codes are the platform's own (errno values on POSIX); 0 is success.

struct IoResult {
    int error = 0;
    std::uint32_t count = 0;
};

// hungUp: the device went away (hang-up, EIO, ENXIO); error says how.
enum class WaitStatus { events, stopped, timedOut, failed, hungUp };

struct WaitResult {
    WaitStatus status = WaitStatus::failed;
    std::uint32_t events = 0;
    int error = 0;
};

inline constexpr int kWaitForever = -1;

// One open serial device. Every call may come from any thread; read and write
// block as the time-outs say and end early, with an error, when aborted by
// purge (PURGE_RXABORT, PURGE_TXABORT), by close, or when their cancel signal
// (may be null) is set. After a hang-up, clearError and read still give the
// bytes that arrived before it; a read reports the error only once none is
// left, and waitEvent reports hungUp once it has announced every arrival.
class SerialDevice {
public:
    virtual ~SerialDevice() = default;

    virtual int setState(const DCB& dcb) = 0;
    virtual int setTimeouts(const COMMTIMEOUTS& timeouts) = 0;
    virtual int setupQueues(std::uint32_t inputSize, std::uint32_t outputSize) = 0;
    virtual int purge(std::uint32_t flags) = 0;
    // Returns the CE_ bits gathered since the last call and clears them.
    virtual int clearError(std::uint32_t& errors, COMSTAT& status) = 0;
    // MS_ bits.
    virtual int modemStatus(std::uint32_t& status) = 0;
    virtual int escape(std::uint32_t function) = 0;
    virtual int transmitChar(char ch) = 0;

    virtual IoResult read(std::uint8_t* buffer, std::uint32_t count, const StopSignal* cancel) = 0;
    virtual IoResult write(const std::uint8_t* data, std::uint32_t count,
                           const StopSignal* cancel) = 0;

    // EV_ bits that waitEvent reports.
    virtual int setEventMask(std::uint32_t mask) = 0;
    // Waits until an event of the mask occurs, stop is set or timeoutMs
    // (kWaitForever: no limit) has passed.
    virtual WaitResult waitEvent(const StopSignal* stop, int timeoutMs) = 0;

    // Releases the device; it is released even when an error is returned.
    virtual int close() = 0;
};

// Another program that has the port open; pid 0 when it is not known.
struct PortHolder {
    int pid = 0;
    std::string program;
};

struct OpenResult {
    std::shared_ptr<SerialDevice> device;
    int error = 0;
    // With EBUSY, who holds the port, as far as can be seen.
    PortHolder holder;
};

// Opens the named port for this program alone. A port that another program
// has open (its lock file, or found among the open files of the processes we
// may look at) gives EBUSY; while open, the port has a lock file of ours.
OpenResult openSerialDevice(const std::string& name);

// The folder of the UUCP lock files (LCK..ttyUSB0); /run/lock unless set.
void setLockFolder(const std::string& folder);

// Applies a priority to the calling thread, as far as the platform allows.
void setCurrentThreadPriority(ThreadPriority priority);

} // namespace vezu::serial::platform

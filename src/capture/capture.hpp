#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "capture/capture_session.hpp"
#include "capture/capture_view.hpp"
#include "serial/com_port.hpp"

namespace vezu {

using RxCharHandler = std::function<void(serial::TCustomComPort&, std::int32_t)>;

// How the last capture went, kept once its session has gone.
struct CaptureOutcome {
    bool received = false;
    // Cut short: the indicator went away during the reception.
    bool deviceLost = false;
};

// One capture of "Conectar Indicador" from the port opening to the wait
// dialog closing: idle, waiting, receiving, finishing, showing the result,
// idle again. Timer1 and Timer2 are injected; their handlers are
// Timer1Timer and Timer2Timer.
class Capture {
public:
    enum class State { Idle, Waiting, Receiving, Finishing, ShowingResult };

    // With a queue, the port hands its deliveries to it instead of the main
    // thread's.
    Capture(CaptureTimer& timer1, CaptureTimer& timer2, CaptureView& view,
            serial::HandOverQueue* queue = nullptr);
    ~Capture();
    Capture(const Capture&) = delete;
    Capture& operator=(const Capture&) = delete;

    serial::TComPort& ComPort1() { return *port_; }
    // The port's OnRxChar; ComPort1RxChar unless the owner names its own.
    void setOnRxChar(RxCharHandler handler);
    State state() const { return state_; }
    // AuxText and Recebido of the capture under way; null between captures.
    const CaptureSession* session() const { return session_ ? &*session_ : nullptr; }
    const CaptureOutcome& lastOutcome() const { return outcome_; }
    // Why the port did not open at the last run, for a second line under
    // "Não foi possível abrir comunicação, verifique configuração."; may be empty.
    const std::string& openFailureReason() const { return openFailure_; }

    // A capture that received bytes is also kept in this folder under a
    // dated name; empty keeps none.
    void setArchiveFolder(std::string folder) { archiveFolder_ = std::move(folder); }
    // Where a failure to keep that copy goes; the capture goes on regardless.
    void setErrorReport(std::function<void(const std::exception&)> report) {
        errorReport_ = std::move(report);
    }

    // Steps 3 to 5 of the command: opens the port and shows the wait dialog
    // until the capture has ended; `parse` reads the capture file. False,
    // with the port closed, when the port does not open: the caller says
    // "Não foi possível abrir comunicação, verifique configuração.".
    bool run(const std::string& portName, const std::string& captureFile,
             std::function<void(const std::string&)> parse);

    void ComPort1RxChar(serial::TCustomComPort& sender, std::int32_t count);
    // Every byte that came is in AuxText by now: the capture ends at once.
    void ComPort1DeviceLost(serial::TCustomComPort& sender);
    // Throws what the capture file, the port or the parser threw, after the
    // port was closed and the dialog taken down.
    void Timer1Timer();
    void Timer2Timer();

private:
    void newComPort();
    void closeComPort();
    void finish();
    void archive();
    void showResult();
    bool capturing() const;

    CaptureTimer& timer1_;
    CaptureTimer& timer2_;
    CaptureView& view_;
    serial::HandOverQueue* queue_;
    std::unique_ptr<serial::TComPort> port_;
    std::optional<CaptureSession> session_;
    std::function<void(const std::string&)> parse_;
    RxCharHandler onRxChar_;
    CaptureOutcome outcome_;
    std::string openFailure_;
    std::string archiveFolder_;
    std::function<void(const std::exception&)> errorReport_;
    State state_ = State::Idle;
};

} // namespace vezu

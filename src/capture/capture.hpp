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

    // Steps 3 to 5 of the command: opens the port and shows the wait dialog
    // until the capture has ended; `parse` reads the capture file. False,
    // with the port closed, when the port does not open: the caller says
    // "Não foi possível abrir comunicação, verifique configuração.".
    bool run(const std::string& portName, const std::string& captureFile,
             std::function<void(const std::string&)> parse);

    void ComPort1RxChar(serial::TCustomComPort& sender, std::int32_t count);
    // Throws what the capture file, the port or the parser threw, after the
    // port was closed and the dialog taken down.
    void Timer1Timer();
    void Timer2Timer();

private:
    void newComPort();
    void closeComPort();
    void finish();

    CaptureTimer& timer1_;
    CaptureTimer& timer2_;
    CaptureView& view_;
    serial::HandOverQueue* queue_;
    std::unique_ptr<serial::TComPort> port_;
    std::optional<CaptureSession> session_;
    std::function<void(const std::string&)> parse_;
    RxCharHandler onRxChar_;
    State state_ = State::Idle;
};

} // namespace vezu

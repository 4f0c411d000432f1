#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "serial/async.hpp"
#include "serial/com_buffer.hpp"
#include "serial/com_flow_control.hpp"
#include "serial/com_parity.hpp"
#include "serial/com_timeouts.hpp"
#include "serial/com_types.hpp"
#include "serial/hand_over_queue.hpp"
#include "serial/platform/serial_device.hpp"

namespace vezu::serial {

class TComThread;

// A serial port: its settings, opening and closing, reads and writes, line
// control, and the handlers its event thread calls. Used from the main
// thread; errors are EComPort.
class TCustomComPort {
public:
    TCustomComPort();
    virtual ~TCustomComPort();
    TCustomComPort(const TCustomComPort&) = delete;
    TCustomComPort& operator=(const TCustomComPort&) = delete;

    // Settings. On an open port a change reaches the driver at once (unless
    // inside BeginUpdate/EndUpdate); on a closed one at the next Open.
    bool Connected() const { return connected_; }
    void SetConnected(bool value);
    const std::string& Port() const { return port_; }
    // A different name reopens an open port under that name.
    void SetPort(const std::string& value);
    TBaudRate BaudRate() const { return baudRate_; }
    void SetBaudRate(TBaudRate value);
    std::int32_t CustomBaudRate() const { return customBaudRate_; }
    void SetCustomBaudRate(std::int32_t value);
    TDataBits DataBits() const { return dataBits_; }
    void SetDataBits(TDataBits value);
    TStopBits StopBits() const { return stopBits_; }
    void SetStopBits(TStopBits value);
    bool DiscardNull() const { return discardNull_; }
    void SetDiscardNull(bool value);
    char EventChar() const { return eventChar_; }
    void SetEventChar(char value);
    // Taken by the event thread when the port opens.
    TComEvents Events() const { return events_; }
    void SetEvents(TComEvents value) { events_ = value; }
    TSyncMethod SyncMethod() const { return syncMethod_; }
    void SetSyncMethod(TSyncMethod value);
    ThreadPriority EventThreadPriority() const { return eventThreadPriority_; }
    void SetEventThreadPriority(ThreadPriority value);
    bool TriggersOnRxChar() const { return triggersOnRxChar_; }
    void SetTriggersOnRxChar(bool value) { triggersOnRxChar_ = value; }
    std::uint32_t CodePage() const { return codePage_; }
    void SetCodePage(std::uint32_t value) { codePage_ = value; }

    TComParity& Parity() { return parity_; }
    const TComParity& Parity() const { return parity_; }
    TComFlowControl& FlowControl() { return flowControl_; }
    const TComFlowControl& FlowControl() const { return flowControl_; }
    TComTimeouts& Timeouts() { return timeouts_; }
    const TComTimeouts& Timeouts() const { return timeouts_; }
    TComBuffer& Buffer() { return buffer_; }
    const TComBuffer& Buffer() const { return buffer_; }

    // The open device; null while closed.
    platform::SerialDevice* Handle() const { return handle_.get(); }
    const std::shared_ptr<platform::SerialDevice>& sharedHandle() const { return handle_; }

    // Where the event thread hands deliveries to; the program's main-thread
    // queue unless set (only while closed).
    HandOverQueue& handOverQueue() const { return *queue_; }
    void setHandOverQueue(HandOverQueue& queue) { queue_ = &queue; }

    void BeginUpdate();
    void EndUpdate();
    virtual void ApplyDCB();
    virtual void ApplyTimeouts();
    virtual void ApplyBuffer();
    // Buffers, device-control block, time-outs.
    virtual void SetupComPort();

    void Open();
    void Close();

    // Return the number of bytes transferred. With time-outs that never wait
    // (the defaults) a read takes what is waiting at once on the calling
    // thread, with no overlapped operation; otherwise it is one, waited for.
    std::int32_t Read(void* Buffer, std::int32_t Count);
    // The text is in Windows-1252, one char per byte, as the files are.
    std::int32_t ReadStr(std::string& Str, std::int32_t Count);
    std::int32_t Write(const void* Buffer, std::int32_t Count);
    std::int32_t WriteStr(const std::string& Str);

    std::int32_t ReadAsync(void* Buffer, std::int32_t Count, TAsync* AsyncPtr);
    std::int32_t WriteAsync(const void* Buffer, std::int32_t Count, TAsync* AsyncPtr);
    std::int32_t WaitForAsync(TAsync* AsyncPtr);
    bool IsAsyncCompleted(TAsync* AsyncPtr);
    void AbortAllAsync();

    std::int32_t InputCount();
    std::int32_t OutputCount();
    TComSignals Signals();
    TComStateFlags StateFlags();
    TComErrors LastErrors();
    void SetDTR(bool OnOff);
    void SetRTS(bool OnOff);
    void SetXonXoff(bool OnOff);
    void SetBreak(bool OnOff);
    void ClearBuffer(bool Input, bool Output);
    void TransmitChar(char Ch);
    // Waits without the event thread; Events becomes what occurred (empty
    // after a time-out or the stop signal). A negative Timeout waits forever.
    void WaitForEvent(TComEvents& Events, platform::StopSignal* StopEvent, std::int32_t Timeout);

    // Per-event routines of the event thread's delivery.
    void CallError();
    void CallRxChar();
    void CallTxEmpty();
    void CallBreak();
    void CallRing();
    void CallCTSChange();
    void CallDSRChange();
    void CallRxFlag();
    void CallRLSDChange();
    void CallRx80Full();
    // A delivery handed over one event at a time (smWindowSync): the routine
    // of that event-mask bit, if the port is still open.
    void WindowMethod(std::uint32_t eventBit);
    // The last delivery of an event thread whose device went away: what is
    // still waiting is announced as usual (CallRxChar), then DeviceLost is
    // set and OnDeviceLost called.
    void CallDeviceLost();

    // The device went away while the port was open (hang-up, EIO, ENXIO, a
    // read of 0 after the far end closed). Set only after every byte that had
    // arrived was delivered to OnRxChar or OnRxBuf; the port stays open until
    // closed and no further event comes. Cleared by Open.
    bool DeviceLost() const { return deviceLost_; }

    std::function<void(TCustomComPort&, std::int32_t)> OnRxChar;
    std::function<void(TCustomComPort&, const std::uint8_t*, std::int32_t)> OnRxBuf;
    std::function<void(TCustomComPort&)> OnTxEmpty;
    std::function<void(TCustomComPort&)> OnBreak;
    std::function<void(TCustomComPort&)> OnRing;
    std::function<void(TCustomComPort&)> OnRxFlag;
    std::function<void(TCustomComPort&)> OnRx80Full;
    std::function<void(TCustomComPort&, bool)> OnCTSChange;
    std::function<void(TCustomComPort&, bool)> OnDSRChange;
    std::function<void(TCustomComPort&, bool)> OnRLSDChange;
    std::function<void(TCustomComPort&, TComErrors)> OnError;
    std::function<void(TCustomComPort&)> OnBeforeOpen;
    std::function<void(TCustomComPort&)> OnAfterOpen;
    std::function<void(TCustomComPort&)> OnBeforeClose;
    std::function<void(TCustomComPort&)> OnAfterClose;
    // The device went away; see DeviceLost. Runs where the other handlers run.
    std::function<void(TCustomComPort&)> OnDeviceLost;

    // Destroying a port inside one of its own handlers returns: its event
    // thread, which is waiting for that very delivery, is let go and ends by
    // itself once the handler has returned, without touching the port again.

protected:
    // Opens the device named by Port; raises code 1.
    virtual void CreateHandle();
    virtual void DestroyHandle();
    void setHandle(std::shared_ptr<platform::SerialDevice> device) { handle_ = std::move(device); }

    virtual void DoAfterClose();
    virtual void DoAfterOpen();
    virtual void DoBeforeClose();
    virtual void DoBeforeOpen();
    virtual void DoRxChar(std::int32_t Count);
    virtual void DoRxBuf(const std::uint8_t* Buffer, std::int32_t Count);
    virtual void DoTxEmpty();
    virtual void DoBreak();
    virtual void DoRing();
    virtual void DoRxFlag();
    virtual void DoCTSChange(bool OnOff);
    virtual void DoDSRChange(bool OnOff);
    virtual void DoError(TComErrors Errors);
    virtual void DoRLSDChange(bool OnOff);
    virtual void DoRx80Full();
    virtual void DoDeviceLost();

private:
    std::int32_t runToEnd(const std::function<void(PAsync&)>& start);
    bool readsReturnAtOnce() const;
    std::int32_t readWaiting(void* Buffer, std::int32_t Count);
    bool canApply() const;
    platform::SerialDevice& openDevice(std::int32_t code) const;
    void check(int error, std::int32_t code) const;
    void clearCommError(std::uint32_t& errors, platform::COMSTAT& status);
    void escape(std::uint32_t function);
    void start(TAsync& async,
               std::function<platform::IoResult(const platform::StopSignal*)> operation);
    void stopEventThread();
    void releaseRetiredThreads();
    void forceClosed() noexcept;

    std::shared_ptr<platform::SerialDevice> handle_;
    std::atomic<bool> connected_{false};
    std::atomic<bool> deviceLost_{false};
    int updateCount_ = 0;
    std::unique_ptr<TComThread> eventThread_;
    bool threadCreated_ = false;
    // Threads stopped from inside their own delivery; each ends once that returns.
    std::vector<std::unique_ptr<TComThread>> retiredThreads_;
    HandOverQueue* queue_ = &HandOverQueue::mainThread();
    // Cancel signals of the overlapped operations started here.
    std::vector<std::weak_ptr<platform::StopSignal>> pendingCancels_;

    std::string port_ = "COM1";
    TBaudRate baudRate_ = TBaudRate::br9600;
    std::int32_t customBaudRate_ = 9600;
    TDataBits dataBits_ = TDataBits::dbEight;
    TStopBits stopBits_ = TStopBits::sbOneStopBit;
    bool discardNull_ = false;
    char eventChar_ = 0;
    TComEvents events_ = TComEvents::all();
    TSyncMethod syncMethod_ = TSyncMethod::smThreadSync;
    ThreadPriority eventThreadPriority_ = ThreadPriority::normal;
    bool triggersOnRxChar_ = true;
    std::uint32_t codePage_ = 0;
    TComParity parity_{this};
    TComFlowControl flowControl_{this};
    TComTimeouts timeouts_{this};
    TComBuffer buffer_{this};
};

} // namespace vezu::serial

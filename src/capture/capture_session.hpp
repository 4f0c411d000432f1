#pragma once

#include <string>
#include <string_view>

namespace vezu {

// What one capture collects: the bytes as they arrived (Windows-1252, the
// indicator's own), and whether any did.
class CaptureSession {
public:
    explicit CaptureSession(std::string captureFile) : captureFile_(std::move(captureFile)) {}

    const std::string& captureFile() const { return captureFile_; }
    const std::string& AuxText() const { return AuxText_; }
    bool Recebido() const { return Recebido_; }
    // The device went away before the line fell silent.
    bool deviceLost() const { return deviceLost_; }

    // Recebido only when bytes came: a delivery may find nothing to read.
    void received(std::string_view bytes);
    void lostDevice() { deviceLost_ = true; }

    // Writes the capture file — everything received followed by CR LF —
    // through a temporary file, then empties AuxText. Throws InOutError.
    void writeCaptureFile();

    // Back to idle for the next capture.
    void reset();

private:
    std::string captureFile_;
    std::string AuxText_;
    bool Recebido_ = false;
    bool deviceLost_ = false;
};

} // namespace vezu

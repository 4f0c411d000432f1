#include "capture/capture_session.hpp"

#include "base/atomic_file.hpp"

namespace vezu {

void CaptureSession::received(std::string_view bytes) {
    if (bytes.empty()) {
        return;
    }
    Recebido_ = true;
    AuxText_.append(bytes);
}

void CaptureSession::writeCaptureFile() {
    AtomicFileWriter file(captureFile_);
    file.write(AuxText_);
    file.write("\r\n");
    file.commit();
    AuxText_.clear();
}

void CaptureSession::reset() {
    AuxText_.clear();
    Recebido_ = false;
    deviceLost_ = false;
}

} // namespace vezu

#include "report/picture.hpp"

#include "base/error.hpp"

namespace vezu {
namespace {

unsigned byteAt(const std::string& bytes, std::size_t at) {
    return at < bytes.size() ? static_cast<unsigned char>(bytes[at]) : 0U;
}

bool isFrameMarker(unsigned marker) {
    // SOF0..SOF15 except DHT (C4), JPG (C8) and DAC (CC).
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

} // namespace

Picture pictureFromJpeg(std::string bytes) {
    if (byteAt(bytes, 0) != 0xFF || byteAt(bytes, 1) != 0xD8) {
        throw Error("Picture is not a JPEG image");
    }
    std::size_t at = 2;
    while (at + 4 <= bytes.size()) {
        if (byteAt(bytes, at) != 0xFF) {
            break;
        }
        const unsigned marker = byteAt(bytes, at + 1);
        const std::size_t length = byteAt(bytes, at + 2) << 8 | byteAt(bytes, at + 3);
        if (isFrameMarker(marker) && at + 9 <= bytes.size()) {
            Picture picture;
            picture.height = static_cast<int>(byteAt(bytes, at + 5) << 8 | byteAt(bytes, at + 6));
            picture.width = static_cast<int>(byteAt(bytes, at + 7) << 8 | byteAt(bytes, at + 8));
            picture.jpeg = std::move(bytes);
            return picture;
        }
        at += 2 + length;
    }
    throw Error("Picture is not a JPEG image");
}

} // namespace vezu

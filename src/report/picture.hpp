#pragma once

#include <string>

namespace vezu {

// A JPEG image as its file bytes, with its size in pixels.
struct Picture {
    std::string jpeg;
    int width = 0;
    int height = 0;

    bool empty() const { return jpeg.empty(); }
};

// Reads the size from the JPEG's frame header; throws Error when the bytes
// are not a JPEG image.
Picture pictureFromJpeg(std::string bytes);

} // namespace vezu

#pragma once

#include <string>
#include <string_view>

namespace vezu {

// The image encoded again as JPEG at the given quality (1..100). Throws
// Error when the bytes are not a JPEG image.
std::string reencodeJpeg(std::string_view jpeg, int quality);

} // namespace vezu

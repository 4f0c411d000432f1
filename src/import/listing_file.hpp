#pragma once

#include <string>
#include <string_view>

namespace vezu {

inline constexpr std::string_view kFileDoesNotExist = "Arquivo não existe !";

// Throws "Arquivo não existe !" unless the path names an existing file
// (a link is followed to its target).
void ensureListingExists(const std::string& path);

} // namespace vezu

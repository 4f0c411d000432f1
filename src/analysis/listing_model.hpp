#pragma once

namespace vezu {

// Which parser read a listing, and so which tables hold its animals.
enum class ListingModel { Kr10, Kr20 };

} // namespace vezu

#include "import/listing_fields.hpp"

#include "base/conversions.hpp"
#include "base/cp1252.hpp"
#include "base/error.hpp"
#include "base/text.hpp"

namespace vezu {

std::int32_t readListingInteger(std::string_view rawField) {
    const std::string_view text = trim(rawField);
    if (const auto value = tryStrToInt(text)) {
        return *value;
    }
    throw ConvertError(formatMessage(kInvalidInteger, cp1252ToUtf8(text)));
}

} // namespace vezu

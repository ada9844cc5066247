#include "registrydata.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace modRegistry {
namespace {

// Text as a whole number: blanks around it are ignored, a fraction is rounded half to even.
std::int64_t textAsNumber(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (text.starts_with('+') && !text.starts_with("+-"))
        text.remove_prefix(1);
    double number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error == std::errc::result_out_of_range)
        throw RegistryError::overflow();
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(number))
        throw RegistryError::typeMismatch();
    number = std::nearbyint(number);
    // Anything beyond the 64-bit range is beyond every data type's range as well.
    if (std::fabs(number) >= 9.0e18)
        throw RegistryError::overflow();
    return static_cast<std::int64_t>(number);
}

std::int64_t wholeNumber(const RegistryData& value)
{
    if (const auto* number = std::get_if<std::int64_t>(&value))
        return *number;
    return textAsNumber(std::get<std::string>(value));
}

template <typename Integer> std::vector<unsigned char> littleEndian(const RegistryData& value)
{
    const std::int64_t number = wholeNumber(value);
    if (number < std::numeric_limits<Integer>::min() || number > std::numeric_limits<Integer>::max())
        throw RegistryError::overflow();
    auto bits = static_cast<std::uint64_t>(number);
    std::vector<unsigned char> bytes(sizeof(Integer));
    for (unsigned char& byte : bytes) {
        byte = static_cast<unsigned char>(bits & 0xFFu);
        bits >>= 8;
    }
    return bytes;
}

std::vector<unsigned char> textWithNul(const RegistryData& value)
{
    const std::string text = std::holds_alternative<std::string>(value)
                                 ? std::get<std::string>(value)
                                 : std::to_string(std::get<std::int64_t>(value));
    std::vector<unsigned char> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

} // namespace

std::vector<unsigned char> registryDataBytes(const RegistryData& value, std::int32_t type)
{
    switch (type) {
    case RegSz:
    case RegExpandSz:
        return textWithNul(value);
    case RegBinary:
        return littleEndian<std::int16_t>(value);
    case RegDword:
        return littleEndian<std::int32_t>(value);
    default:
        throw RegistryError::invalidArgument();
    }
}

} // namespace modRegistry

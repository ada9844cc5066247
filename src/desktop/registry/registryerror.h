#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace modRegistry {

// Base of the library's own error numbers (0x80040000).
inline constexpr std::int32_t RegistryErrorBase = -2147221504;

// Numbers of the runtime's standard errors that the library raises.
inline constexpr std::int32_t InvalidArgumentError = 5;
inline constexpr std::int32_t OverflowError = 6;
inline constexpr std::int32_t TypeMismatchError = 13;

// The one error type of the registry library: every failure carries a number (one of the
// library's RegistryErrorBase + 1 to 11, or a standard runtime error number) and a message.
class RegistryError : public std::runtime_error {
public:
    RegistryError(std::int32_t number, const std::string& message)
        : std::runtime_error(message), m_number(number)
    {
    }

    std::int32_t number() const noexcept { return m_number; }

    // The standard runtime errors, with their standard messages.
    static RegistryError invalidArgument()
    {
        return {InvalidArgumentError, "Invalid procedure call or argument"};
    }
    static RegistryError overflow() { return {OverflowError, "Overflow"}; }
    static RegistryError typeMismatch() { return {TypeMismatchError, "Type mismatch"}; }

private:
    std::int32_t m_number;
};

} // namespace modRegistry

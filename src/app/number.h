// The number reader: what in a settings value or a cell's text reads as a number.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace taremo {

// Whether `text` reads as a number: optional blanks around an optional sign, digits, an
// optional fraction and an optional exponent. Returns the number when it does.
std::optional<double> readNumber(std::string_view text);

// `text` as a 16-bit integer (rounded half to even), or nothing when it is not a number or
// does not fit.
std::optional<std::int16_t> readInt16(std::string_view text);

// `text` as a finite single-precision float, or nothing.
std::optional<float> readSingle(std::string_view text);

} // namespace taremo

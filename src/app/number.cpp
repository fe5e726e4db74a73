// The number reader.
#include "app/number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace taremo {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view skipBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view takeDigits(std::string_view& text)
{
    std::size_t count = 0;
    while (count < text.size() && isDigit(text[count]))
        ++count;
    const auto digits = text.substr(0, count);
    text.remove_prefix(count);
    return digits;
}

// The shape of a number's text once its sign and blanks are set aside.
struct NumberParts {
    std::string_view body;     // digits, fraction and exponent, as std::from_chars reads them
    std::string_view whole;    // digits before the point
    std::string_view fraction; // digits after it
    long exponent = 0;         // held within +-1e6, which is all the range test below needs
};

std::optional<long> readExponent(std::string_view& text)
{
    if (text.empty() || (text.front() != 'e' && text.front() != 'E'))
        return 0;
    text.remove_prefix(1);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    const auto digits = takeDigits(text);
    if (digits.empty())
        return std::nullopt;
    long exponent = 0;
    for (char c : digits)
        exponent = std::min(exponent * 10 + (c - '0'), 1000000L);
    return negative ? -exponent : exponent;
}

std::optional<NumberParts> splitNumber(std::string_view text)
{
    NumberParts parts;
    const auto start = text;
    parts.whole = takeDigits(text);
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
        parts.fraction = takeDigits(text);
    }
    if (parts.whole.empty() && parts.fraction.empty())
        return std::nullopt;
    const auto exponent = readExponent(text);
    if (!exponent || !skipBlanks(text).empty())
        return std::nullopt;
    parts.exponent = *exponent;
    parts.body = start.substr(0, start.size() - text.size());
    return parts;
}

// Whether a number too large or too small for a double lies above 1 (and so becomes
// infinite) rather than below (and so becomes 0).
bool overflows(const NumberParts& parts)
{
    const auto firstWhole = parts.whole.find_first_not_of('0');
    if (firstWhole != std::string_view::npos)
        return static_cast<long>(parts.whole.size() - firstWhole) - 1 + parts.exponent >= 0;
    const auto firstFraction = parts.fraction.find_first_not_of('0');
    return -static_cast<long>(firstFraction) - 1 + parts.exponent >= 0;
}

} // namespace

std::optional<double> readNumber(std::string_view text)
{
    text = skipBlanks(text);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text = skipBlanks(text.substr(1));
    const auto parts = splitNumber(text);
    if (!parts)
        return std::nullopt;
    double number = 0.0;
    const auto result =
        std::from_chars(parts->body.data(), parts->body.data() + parts->body.size(), number);
    if (result.ec == std::errc::result_out_of_range)
        number = overflows(*parts) ? HUGE_VAL : 0.0;
    else if (result.ec != std::errc() || result.ptr != parts->body.data() + parts->body.size())
        return std::nullopt;
    return negative ? -number : number;
}

std::optional<std::int16_t> readInt16(std::string_view text)
{
    const auto number = readNumber(text);
    if (!number || !std::isfinite(*number))
        return std::nullopt;
    // Half way between two integers goes to the even one.
    double rounded = std::floor(*number);
    const double rest = *number - rounded;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(rounded, 2.0) != 0.0))
        rounded += 1.0;
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<float> readSingle(std::string_view text)
{
    const auto number = readNumber(text);
    // From here up a double rounds to an infinite float (half a step past the largest float).
    constexpr double kFloatLimit = 0x1.ffffffp127;
    if (!number || !(std::fabs(*number) < kFloatLimit))
        return std::nullopt;
    return static_cast<float>(*number);
}

} // namespace taremo

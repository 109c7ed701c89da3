#include "ColourDigits.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quillnote {

namespace {

std::string trimmed(const std::string& s)
{
    size_t begin = 0, end = s.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(s[begin])))
        ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(s[end - 1])))
        --end;
    return s.substr(begin, end - begin);
}

bool allDigits(const std::string& s, size_t from, int base)
{
    if (from >= s.size())
        return false;
    for (size_t i = from; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        const bool ok = base == 16 ? std::isxdigit(c) != 0 : (c >= '0' && c <= '7');
        if (!ok)
            return false;
    }
    return true;
}

bool hasHexPrefix(const std::string& s) { return s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h'); }

} // namespace

bool isNumericText(const std::string& text)
{
    const std::string s = trimmed(text);
    if (s.empty())
        return false;
    if (hasHexPrefix(s))
        return allDigits(s, 2, 16);
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'O' || s[1] == 'o'))
        return allDigits(s, 2, 8);
    size_t i = 0;
    if (s[i] == '+' || s[i] == '-')
        ++i;
    size_t digits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
        ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        size_t exponentDigits = 0;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
            ++i, ++exponentDigits;
        if (exponentDigits == 0)
            return false;
    }
    return i == s.size();
}

std::string decimalToHex(double value)
{
    if (std::isnan(value) || std::isinf(value))
        return "0";
    std::string digits;
    // Int(value / 16) rounds down; the loop ends at 0 for non-negative
    // values and at -1 for negative ones, which is where it stops.
    for (int guard = 0; value != 0 && value != -1 && guard < 64; ++guard) {
        const double next = std::floor(value / 16);
        const int digit = static_cast<int>(value - 16 * next);
        digits.insert(digits.begin(), static_cast<char>(digit < 10 ? '0' + digit : 'A' + digit - 10));
        value = next;
    }
    return digits.empty() ? "0" : digits;
}

std::string decimalToHex(const std::string& decimalText)
{
    const std::string s = trimmed(decimalText);
    char* end = nullptr;
    const double value = std::strtod(s.c_str(), &end);
    return decimalToHex(end == s.c_str() ? 0.0 : value);
}

std::string colorToDigits(std::string& text)
{
    if (text.size() >= 2 && isNumericText(text.substr(1))) {
        if (std::strtod(trimmed(text).c_str(), nullptr) < 0)
            text = "255";
        text = decimalToHex(text);
    }
    std::string hex = hasHexPrefix(text) ? text.substr(2) : text;
    // Padded on the left with zeros to eight digits; of a longer text only
    // the last eight count.
    hex = std::string(hex.size() < 8 ? 8 - hex.size() : 0, '0') + hex;
    hex = hex.substr(hex.size() - 8);
    if (!allDigits(hex, 0, 16))
        return {};
    const auto channel = [&](size_t at) {
        return static_cast<int>(std::strtol(hex.substr(at, 2).c_str(), nullptr, 16));
    };
    char digits[16];
    std::snprintf(digits, sizeof(digits), "%03d%03d%03d", channel(6), channel(4), channel(2));
    return digits;
}

} // namespace quillnote

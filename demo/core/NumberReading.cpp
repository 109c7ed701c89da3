#include "NumberReading.h"

#include "core/Rounding.h"

#include <charconv>
#include <cstddef>
#include <string>
#include <system_error>

namespace quillnote::demo {

namespace {

bool isIgnored(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n'; }

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int digitValue(char16_t c)
{
    if (isDigit(c))
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

std::u16string withoutIgnoredCharacters(std::u16string_view text)
{
    std::u16string kept;
    kept.reserve(text.size());
    for (char16_t c : text)
        if (!isIgnored(c))
            kept.push_back(c);
    return kept;
}

// "&H..." and "&O...": the digits up to the first one that does not belong
// to the radix, read as a 16-bit or 32-bit two's-complement pattern.
std::optional<double> readRadixNumber(std::u16string_view digits, unsigned radix)
{
    std::uint64_t value = 0;
    for (char16_t c : digits) {
        const int digit = digitValue(c);
        if (digit < 0 || static_cast<unsigned>(digit) >= radix)
            break;
        value = value * radix + static_cast<unsigned>(digit);
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    if (value <= 0xFFFFu)
        return static_cast<double>(value >= 0x8000u ? static_cast<std::int64_t>(value) - 0x10000
                                                    : static_cast<std::int64_t>(value));
    return static_cast<double>(value >= 0x80000000u ? static_cast<std::int64_t>(value) - 0x100000000LL
                                                    : static_cast<std::int64_t>(value));
}

std::size_t countDigits(std::u16string_view text, std::size_t from)
{
    std::size_t end = from;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end - from;
}

// The power of ten of the first significant digit of a decimal number, to
// tell an overflow from an underflow when the conversion is out of range.
long magnitude(std::u16string_view whole, std::u16string_view fraction, long exponent)
{
    const std::size_t firstWhole = whole.find_first_not_of(u'0');
    if (firstWhole != std::u16string_view::npos)
        return static_cast<long>(whole.size() - firstWhole) - 1 + exponent;
    const std::size_t firstFraction = fraction.find_first_not_of(u'0');
    if (firstFraction != std::u16string_view::npos)
        return exponent - static_cast<long>(firstFraction) - 1;
    return -1; // all zeros
}

std::optional<double> readDecimalNumber(std::u16string_view text)
{
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        negative = text[pos] == u'-';
        ++pos;
    }
    const std::size_t wholeDigits = countDigits(text, pos);
    const std::u16string_view whole = text.substr(pos, wholeDigits);
    pos += wholeDigits;
    std::u16string_view fraction;
    if (pos < text.size() && text[pos] == u'.') {
        const std::size_t fractionDigits = countDigits(text, pos + 1);
        fraction = text.substr(pos + 1, fractionDigits);
        pos += 1 + fractionDigits;
    }
    if (whole.empty() && fraction.empty())
        return 0.0;

    // The exponent belongs to the number only when digits follow the letter
    // (and its sign); "1E" and "1E+" read 1.
    long exponent = 0;
    if (pos < text.size() && (text[pos] == u'E' || text[pos] == u'e' || text[pos] == u'D' || text[pos] == u'd')) {
        std::size_t at = pos + 1;
        bool negativeExponent = false;
        if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) {
            negativeExponent = text[at] == u'-';
            ++at;
        }
        const std::size_t exponentDigits = countDigits(text, at);
        for (std::size_t i = 0; i < exponentDigits; ++i) {
            // Saturate: any exponent beyond a few hundred already decides
            // between overflow and zero.
            if (exponent < 100000)
                exponent = exponent * 10 + (text[at + i] - u'0');
        }
        if (exponentDigits > 0 && negativeExponent)
            exponent = -exponent;
    }

    std::string ascii;
    ascii.reserve(whole.size() + fraction.size() + 16);
    ascii.append(whole.begin(), whole.end());
    if (ascii.empty())
        ascii.push_back('0');
    if (!fraction.empty()) {
        ascii.push_back('.');
        ascii.append(fraction.begin(), fraction.end());
    }
    ascii.push_back('e');
    ascii.append(std::to_string(exponent));

    double value = 0.0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        if (magnitude(whole, fraction, exponent) > 0)
            return std::nullopt; // too large: the runtime's overflow
        value = 0.0;             // too small: it reads as zero
    } else if (error != std::errc()) {
        return 0.0;
    }
    return negative ? -value : value;
}

} // namespace

std::optional<double> readNumber(std::u16string_view text)
{
    const std::u16string kept = withoutIgnoredCharacters(text);
    const std::u16string_view view = kept;
    if (view.size() >= 2 && view[0] == u'&') {
        if (view[1] == u'H' || view[1] == u'h')
            return readRadixNumber(view.substr(2), 16);
        if (view[1] == u'O' || view[1] == u'o')
            return readRadixNumber(view.substr(2), 8);
    }
    return readDecimalNumber(view);
}

std::optional<std::int32_t> readInt32(std::u16string_view text)
{
    const std::optional<double> number = readNumber(text);
    return number ? toInt32(*number) : std::nullopt;
}

std::optional<std::int16_t> readInt16(std::u16string_view text)
{
    const std::optional<double> number = readNumber(text);
    return number ? toInt16(*number) : std::nullopt;
}

} // namespace quillnote::demo

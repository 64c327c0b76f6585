#include "common/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "common/charset.h"
#include "common/gbk_text.h"

namespace kestrum {
namespace {

// to_chars with a precision behaves like "%.*g" but ignores the locale. The exponent it
// writes ("e+06") is widened to at least three digits.
std::string formatGeneral(double value, int precision) {
    char buffer[64];
    const auto [end, error] = std::to_chars(std::begin(buffer), std::end(buffer), value,
                                            std::chars_format::general, precision);
    if (error != std::errc())
        return {};
    std::string text(buffer, end);
    const std::size_t e = text.find('e');
    if (e == std::string::npos)
        return text;
    const std::size_t digits = e + 2;  // after 'e' and its sign
    const std::size_t count = text.size() - digits;
    if (count < 3)
        text.insert(digits, 3 - count, '0');
    return text;
}

}  // namespace

// The magnitude is scaled to a whole number between 100000 and 999999 and its fraction
// compared with 0.5.
double roundToSixSignificantDigits(double value) {
    if (value == 0 || !std::isfinite(value))
        return value;
    const double magnitude = std::fabs(value);
    int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    auto scaled = [&](int e) {
        // Dividing by an exact power of ten is more precise than multiplying by its inverse.
        return e >= 5 ? magnitude / std::pow(10.0, e - 5) : magnitude * std::pow(10.0, 5 - e);
    };
    double whole = scaled(exponent);
    if (whole >= 1e6) {
        whole = scaled(++exponent);
    } else if (whole < 1e5) {
        whole = scaled(--exponent);
    }
    double rounded = std::floor(whole);
    if (whole - rounded >= 0.5)
        rounded += 1;
    const double back = exponent >= 5 ? rounded * std::pow(10.0, exponent - 5)
                                      : rounded / std::pow(10.0, 5 - exponent);
    return value < 0 ? -back : back;
}

namespace {

// Full-width ASCII forms as ASCII and the ideographic space as a blank; other characters kept.
std::string normaliseDigits(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = characterLength(text, i);
        const auto lead = static_cast<unsigned char>(text[i]);
        if (length == 2) {
            const auto trail = static_cast<unsigned char>(text[i + 1]);
            if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
                result += static_cast<char>(trail & 0x7F);
            } else if (lead == 0xA1 && trail == 0xA1) {
                result += ' ';
            } else {
                result.append(text.substr(i, 2));
            }
        } else {
            result += text[i];
        }
        i += length;
    }
    return result;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Blanks, an optional sign and the leading digits, saturated at the 64-bit range.
std::int64_t readLeadingInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    // Accumulate towards the sign so that the most negative value is reachable.
    std::int64_t value = 0;
    constexpr std::int64_t max = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t min = std::numeric_limits<std::int64_t>::min();
    for (; i < text.size() && isDigit(text[i]); ++i) {
        const int digit = text[i] - '0';
        if (negative) {
            value = value < (min + digit) / 10 ? min : value * 10 - digit;
        } else {
            value = value > (max - digit) / 10 ? max : value * 10 + digit;
        }
    }
    return value;
}

}  // namespace

std::string int32ToText(std::int32_t value) {
    return std::to_string(value);
}

std::string uint8ToText(std::uint8_t value) {
    return std::to_string(static_cast<unsigned>(value));
}

std::string int64ToText(std::int64_t value) {
    return std::to_string(value);
}

std::string singleToText(float value) {
    return formatGeneral(roundToSixSignificantDigits(value), 6);
}

std::string doubleToText(double value) {
    return formatGeneral(value, 13);
}

std::int32_t textToInt32(std::string_view text) {
    const std::int64_t value = readLeadingInteger(normaliseDigits(text));
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

std::int64_t textToInt64(std::string_view text) {
    return readLeadingInteger(normaliseDigits(text));
}

double textToDouble(std::string_view original) {
    const std::string text = normaliseDigits(original);
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    const std::size_t numberStart = i;
    std::size_t mantissaDigits = 0;
    // Decimal exponent of the first significant digit, to tell overflow from underflow.
    std::int64_t leadingExponent = 0;
    bool seenSignificant = false;
    bool afterPoint = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            ++mantissaDigits;
            if (!seenSignificant && text[i] != '0') {
                seenSignificant = true;
            } else if (!seenSignificant && afterPoint) {
                --leadingExponent;
            }
            if (seenSignificant && !afterPoint)
                ++leadingExponent;
        } else if (text[i] == '.' && !afterPoint) {
            afterPoint = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return 0;
    std::size_t numberEnd = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '-' || text[j] == '+'))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            numberEnd = j;
            const std::int64_t exponent =
                readLeadingInteger(std::string_view(text).substr(i + 1, j - i - 1));
            leadingExponent += std::clamp<std::int64_t>(exponent, -100000, 100000);
        }
    }
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data() + numberStart, text.data() + numberEnd, value);
    if (error == std::errc::result_out_of_range)
        value = leadingExponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

float textToSingle(std::string_view text) {
    const double value = textToDouble(text);
    // Out of the single range the conversion itself would be undefined.
    if (std::fabs(value) > std::numeric_limits<float>::max())
        return value > 0 ? std::numeric_limits<float>::infinity()
                         : -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

std::string truncateDecimals(std::string_view text, std::int32_t places) {
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos)
        return std::string(text);
    const auto position = static_cast<std::int64_t>(point) + 1;
    if (places > 0)
        return textSpan(text, 1, position + places);
    return textSpan(text, 1, position - 1);
}

std::string formatAmount(std::int64_t amount) {
    const double magnitude = std::fabs(static_cast<double>(amount));
    std::string digits;
    std::string unit;
    if (magnitude - 10000.0 < -0.0000001) {
        digits = doubleToText(magnitude);
    } else if (magnitude - 100000000.0 < -0.0000001) {
        digits = doubleToText(magnitude / 10000.0);
        static const std::string tenThousand = gbk("万");
        unit = tenThousand;
    } else {
        digits = doubleToText(magnitude / 100000000.0);
        static const std::string hundredMillion = gbk("亿");
        unit = hundredMillion;
    }
    digits = truncateDecimals(digits, 2);
    return amount < 0 ? "-" + digits + unit : digits + unit;
}

}  // namespace kestrum

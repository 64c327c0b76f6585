// Number texts as every list shows them, and numbers read back from texts (web responses,
// exported tables, the settings file). Independent of the C locale.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kestrum {

std::string int32ToText(std::int32_t value);  // "%d"
std::string uint8ToText(std::uint8_t value);  // "%u"
std::string int64ToText(std::int64_t value);
// Rounded to six significant digits half away from zero, then "%.6g" (12.34f gives "12.34").
std::string singleToText(float value);
std::string doubleToText(double value);  // "%.13g"
// The rounding behind singleToText: six significant digits, half away from zero.
double roundToSixSignificantDigits(double value);
// Exponents in these texts carry a sign and at least three digits: 1.23457e+006.

// Full-width ASCII forms (A3 A1..A3 FE) read as their ASCII characters and the ideographic
// space (A1 A1) as a blank before any of these conversions. Non-numeric text gives 0.
std::int32_t textToInt32(std::string_view text);  // blanks, sign, leading digits; saturates
std::int64_t textToInt64(std::string_view text);  // no fraction, no exponent ("1e9" gives 1)
float textToSingle(std::string_view text);
double textToDouble(std::string_view text);  // longest leading [sign]digits[.digits][e[sign]digits]

// The text up to a "." and at most `places` digits after it, cut, never rounded; the integer
// part alone when `places` is 0 or less.
std::string truncateDecimals(std::string_view text, std::int32_t places);

// A money amount with the units 万 (10^4) and 亿 (10^8) and at most two decimals, cut:
// 123456789 gives "1.23亿", 100000001 gives "1.00亿".
std::string formatAmount(std::int64_t amount);

}  // namespace kestrum

#include "tenday/script_number_text.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace kestrum {

std::string scriptNumberText(double value) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0)
        return "0";  // also for -0

    // Shortest round-trip digits in scientific form, e.g. "1.25e+01".
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::scientific);
    if (ec != std::errc())
        return "0";
    std::string_view scientific(buffer, end - buffer);
    size_t ePos = scientific.find('e');
    std::string digits;
    for (char c : scientific.substr(0, ePos))
        if (c != '.')
            digits.push_back(c);
    int exponent = 0;
    std::string_view exponentText = scientific.substr(ePos + 1);
    if (!exponentText.empty() && exponentText.front() == '+')
        exponentText.remove_prefix(1);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    const int k = static_cast<int>(digits.size());
    const int n = exponent + 1;  // position of the decimal point relative to the digits
    std::string text = value < 0 ? "-" : "";
    if (k <= n && n <= 21) {
        text += digits;
        text.append(n - k, '0');
    } else if (0 < n && n <= 21) {
        text += digits.substr(0, n);
        text += '.';
        text += digits.substr(n);
    } else if (-6 < n && n <= 0) {
        text += "0.";
        text.append(-n, '0');
        text += digits;
    } else {
        text += digits.front();
        if (k > 1) {
            text += '.';
            text += digits.substr(1);
        }
        text += n - 1 < 0 ? "e-" : "e+";
        text += std::to_string(std::abs(n - 1));
    }
    return text;
}

std::string scriptNumberText(std::int64_t value) {
    return std::to_string(value);
}

std::string scriptNumberText(std::uint64_t value) {
    return std::to_string(value);
}

}  // namespace kestrum

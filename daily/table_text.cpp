#include "daily/table_text.h"

#include <algorithm>
#include <cmath>

#include "common/charset.h"
#include "common/gbk_text.h"
#include "common/number_text.h"

namespace kestrum {
namespace {

// Removes the first occurrence of `unit` (found with character stepping); false when absent.
bool removeUnit(std::string& text, const std::string& unit) {
    const int position = findText(text, unit);
    if (position < 0)
        return false;
    text.erase(static_cast<std::size_t>(position - 1), unit.size());
    return true;
}

// Six significant digits, half away from zero, then cut toward zero after two decimals. The
// cut works on the number's text, as binary fractions would cut 0.29 to 0.28.
float cutToHundredths(float quotient) {
    const double rounded = roundToSixSignificantDigits(quotient);
    if (!std::isfinite(rounded) || std::fabs(rounded) >= 1e6)
        return static_cast<float>(rounded);  // already whole
    if (std::fabs(rounded) < 0.0001)
        return std::signbit(rounded) ? -0.0f : 0.0f;
    return textToSingle(truncateDecimals(doubleToText(rounded), 2));
}

}  // namespace

bool splitTableLines(std::string_view tableText, std::vector<std::string>& dataLines) {
    std::vector<std::string> pieces = splitText(tableText, "\r\n");
    if (pieces.empty())
        return false;
    pieces.front().clear();
    removeEmptyItems(pieces);
    dataLines = std::move(pieces);
    return true;
}

std::vector<std::string> splitLineFields(std::string_view line) {
    // Splitting at every space and removing the empty pieces, in one pass: padded columns
    // would otherwise make a piece of every space.
    std::vector<std::string> fields;
    fields.reserve(16);  // the exported tables have about a dozen columns
    std::size_t start = 0;
    for (std::size_t i = 0; i < line.size(); i += characterLength(line, i)) {
        if (line[i] == ' ') {
            if (i > start)
                fields.emplace_back(line.substr(start, i - start));
            start = i + 1;
        }
    }
    if (start < line.size())
        fields.emplace_back(line.substr(start));
    return fields;
}

void removeEmptyItems(std::vector<std::string>& items) {
    std::erase_if(items, [](const std::string& item) { return item.empty(); });
}

float amountToYi(std::string_view text) {
    static const std::string yi = gbk("亿");
    static const std::string wan = gbk("万");
    std::string rest(text);
    if (removeUnit(rest, yi))
        return textToFloat(rest);
    if (removeUnit(rest, wan)) {
        const auto quotient = static_cast<float>(static_cast<double>(textToFloat(rest)) / 10000.0);
        return cutToHundredths(quotient);
    }
    return 0;
}

float textToFloat(std::string_view text) {
    return textToSingle(text);
}

std::int32_t textToInt(std::string_view text) {
    return textToInt32(text);
}

}  // namespace kestrum

// Reading the tables that the finance software exports as text: CR LF lines, a heading line
// that is never read, fields separated by runs of spaces.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestrum {

// The data lines: the heading (first line) dropped and empty lines skipped. Returns false
// when the text gives no lines at all, heading included (the empty text).
bool splitTableLines(std::string_view tableText, std::vector<std::string>& dataLines);

// The fields of one line, split at spaces, empty pieces removed. A tab is not a separator.
std::vector<std::string> splitLineFields(std::string_view line);

// Removes every empty text; the others keep their order.
void removeEmptyItems(std::vector<std::string>& items);

// An amount with the unit 亿 or 万, in 亿. 万 amounts are rounded to six significant digits
// and then cut after the second decimal (-321.5万 gives -0.03). No unit gives 0.
float amountToYi(std::string_view text);

float textToFloat(std::string_view text);
std::int32_t textToInt(std::string_view text);

}  // namespace kestrum

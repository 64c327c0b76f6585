// Header lines ("Name: value", separated by CR LF) and picking text out of them.
#pragma once

#include <string>
#include <string_view>

namespace kestrum {

// Each line's name with the first letter of every dash-separated word upper-cased
// ("user-agent" -> "User-Agent"); values untouched, lines without a colon dropped, lines
// joined by CR LF with none at either end.
std::string capitaliseHeaderNames(std::string_view headerText);

// The text with its first byte upper-cased.
std::string capitaliseFirst(std::string_view text);

// The trimmed text before / after the line's first ":"; empty when it has none.
std::string headerName(std::string_view line);
std::string headerValue(std::string_view line);

// The text before the first `marker` (letter case counts); empty when it does not occur.
std::string textBefore(std::string_view text, std::string_view marker);

// The text after the first `startMarker` up to the first `endMarker` after it; empty when
// either is missing. "#引号" in a marker stands for a double quote.
std::string textBetween(std::string_view text, std::string_view startMarker,
                        std::string_view endMarker);

}  // namespace kestrum

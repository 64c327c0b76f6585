// Primitives over GBK texts: positions and lengths count bytes, positions start at 1, and a
// byte of 0x80 or above starts a two-byte character that searches step over whole.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestrum {

enum class LetterCase { Exact, Ignore };

// 1-based position of the first `needle` at a character boundary at or after `start`, or -1.
// A start before the text counts as 1; an empty needle is never found.
int findText(std::string_view text, std::string_view needle, std::int64_t start = 1,
             LetterCase letterCase = LetterCase::Exact);

// Every `needle` replaced by `replacement`, left to right, never rescanning replaced text.
std::string replaceAll(std::string_view text, std::string_view needle, std::string_view replacement,
                       LetterCase letterCase = LetterCase::Exact);

// Pieces between separators, empty ones included; the piece after the last separator only
// when it is not empty. An empty text gives no pieces.
std::vector<std::string> splitText(std::string_view text, std::string_view separator);

// Removes spaces (0x20) and ideographic spaces (A1 A1) at both ends, nothing else.
std::string trimText(std::string_view text);

// The first / last `count` bytes; empty for a count of 0 or less.
std::string leftText(std::string_view text, std::int64_t count);
std::string rightText(std::string_view text, std::int64_t count);
// `count` bytes from 1-based `position` (a position before the text counts as 1).
std::string middleText(std::string_view text, std::int64_t position, std::int64_t count);

// ASCII a-z to A-Z; both bytes of a two-byte character are left alone.
std::string upperText(std::string_view text);

// Bytes from position `first` to `last`, shortened at the end of the text; empty when either
// is -1, when `first` lies outside the text or when the span is not positive.
std::string textSpan(std::string_view text, std::int64_t first, std::int64_t last);

// Length in bytes of the character starting at `index` (0-based): 2 for a lead byte that has a
// trail byte, otherwise 1.
inline std::size_t characterLength(std::string_view text, std::size_t index) {
    return static_cast<unsigned char>(text[index]) >= 0x80 && index + 1 < text.size() ? 2 : 1;
}

}  // namespace kestrum

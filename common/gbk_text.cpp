#include "common/gbk_text.h"

#include <algorithm>

namespace kestrum {
namespace {

char foldAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Whether `needle` stands at `index` of `text`. Folding touches only the needle's single-byte
// characters, so the trail byte of a two-byte character never matches a letter of another case.
bool matchesAt(std::string_view text, std::size_t index, std::string_view needle,
               LetterCase letterCase) {
    if (needle.size() > text.size() - index)
        return false;
    if (letterCase == LetterCase::Exact)
        return text.compare(index, needle.size(), needle) == 0;
    for (std::size_t i = 0; i < needle.size();) {
        const std::size_t length = characterLength(needle, i);
        if (length == 2) {
            if (text[index + i] != needle[i] || text[index + i + 1] != needle[i + 1])
                return false;
        } else if (foldAscii(text[index + i]) != foldAscii(needle[i])) {
            return false;
        }
        i += length;
    }
    return true;
}

// 0-based index of the first needle at or after `from` (a character boundary), or npos.
std::size_t findFrom(std::string_view text, std::string_view needle, std::size_t from,
                     LetterCase letterCase) {
    if (needle.empty())
        return std::string_view::npos;
    // The first byte is checked before the whole needle is compared: most positions fail there.
    const bool fold = letterCase == LetterCase::Ignore;
    const char first = fold ? foldAscii(needle[0]) : needle[0];
    for (std::size_t i = from; i < text.size(); i += characterLength(text, i)) {
        const char c = fold ? foldAscii(text[i]) : text[i];
        if (c == first && matchesAt(text, i, needle, letterCase))
            return i;
    }
    return std::string_view::npos;
}

bool isBlankAt(std::string_view text, std::size_t index, std::size_t length) {
    if (length == 1)
        return text[index] == ' ';
    return text[index] == '\xA1' && text[index + 1] == '\xA1';
}

}  // namespace

int findText(std::string_view text, std::string_view needle, std::int64_t start,
             LetterCase letterCase) {
    const std::int64_t from = std::max<std::int64_t>(start, 1) - 1;
    if (from >= static_cast<std::int64_t>(text.size()))
        return -1;
    const std::size_t found = findFrom(text, needle, static_cast<std::size_t>(from), letterCase);
    return found == std::string_view::npos ? -1 : static_cast<int>(found + 1);
}

std::string replaceAll(std::string_view text, std::string_view needle, std::string_view replacement,
                       LetterCase letterCase) {
    std::string result;
    std::size_t done = 0;
    for (std::size_t found = findFrom(text, needle, 0, letterCase); found != std::string_view::npos;
         found = findFrom(text, needle, done, letterCase)) {
        result.append(text.substr(done, found - done));
        result.append(replacement);
        done = found + needle.size();
    }
    result.append(text.substr(done));
    return result;
}

std::vector<std::string> splitText(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces;
    std::size_t done = 0;
    for (std::size_t found = findFrom(text, separator, 0, LetterCase::Exact);
         found != std::string_view::npos;
         found = findFrom(text, separator, done, LetterCase::Exact)) {
        pieces.emplace_back(text.substr(done, found - done));
        done = found + separator.size();
    }
    if (done < text.size())
        pieces.emplace_back(text.substr(done));
    return pieces;
}

std::string trimText(std::string_view text) {
    // Walk forward by characters so that a trailing A1 A1 is only taken when it is a whole
    // character, never the trail byte of one character and the lead byte of the next.
    std::size_t begin = text.size();
    std::size_t end = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = characterLength(text, i);
        if (!isBlankAt(text, i, length)) {
            begin = std::min(begin, i);
            end = i + length;
        }
        i += length;
    }
    return begin < end ? std::string(text.substr(begin, end - begin)) : std::string();
}

std::string leftText(std::string_view text, std::int64_t count) {
    if (count <= 0)
        return {};
    return std::string(
        text.substr(0, static_cast<std::size_t>(std::min<std::int64_t>(count, text.size()))));
}

std::string rightText(std::string_view text, std::int64_t count) {
    if (count <= 0)
        return {};
    const auto length = static_cast<std::size_t>(std::min<std::int64_t>(count, text.size()));
    return std::string(text.substr(text.size() - length));
}

std::string middleText(std::string_view text, std::int64_t position, std::int64_t count) {
    const std::int64_t first = std::max<std::int64_t>(position, 1);
    if (count <= 0 || first > static_cast<std::int64_t>(text.size()))
        return {};
    return std::string(
        text.substr(static_cast<std::size_t>(first - 1),
                    static_cast<std::size_t>(std::min<std::int64_t>(
                        count, static_cast<std::int64_t>(text.size()) - first + 1))));
}

std::string upperText(std::string_view text) {
    std::string result(text);
    for (std::size_t i = 0; i < result.size();) {
        const std::size_t length = characterLength(result, i);
        if (length == 1)
            result[i] = foldAscii(result[i]);
        i += length;
    }
    return result;
}

std::string textSpan(std::string_view text, std::int64_t first, std::int64_t last) {
    if (first == -1 || last == -1)
        return {};
    const auto size = static_cast<std::int64_t>(text.size());
    if (first < 1 || first > size)
        return {};
    // Both bounds are clamped before subtracting so that extreme values cannot overflow.
    const std::int64_t end = std::min(last, size);
    if (end < first)
        return {};
    return std::string(text.substr(static_cast<std::size_t>(first - 1),
                                   static_cast<std::size_t>(end - first + 1)));
}

}  // namespace kestrum

#include "tenday/header_text.h"

#include "common/charset.h"
#include "common/gbk_text.h"

namespace kestrum {

std::string capitaliseHeaderNames(std::string_view headerText) {
    std::string result;
    for (const std::string& line : splitText(headerText, "\r\n")) {
        const int colon = findText(line, ":");
        if (colon == -1)
            continue;
        const std::string name = leftText(line, colon - 1);
        std::string newName;
        if (findText(name, "-") == -1) {
            newName = capitaliseFirst(name);
        } else {
            bool first = true;
            for (const std::string& word : splitText(name, "-")) {
                if (!first)
                    newName += '-';
                first = false;
                newName += capitaliseFirst(word);
            }
        }
        // A name ending in "-" loses its empty last word above; the rest taken by length
        // puts that dash back in front of the colon.
        result += newName;
        result += rightText(line, static_cast<std::int64_t>(line.size() - newName.size()));
        result += "\r\n";
    }
    return leftText(result, static_cast<std::int64_t>(result.size()) - 2);
}

std::string capitaliseFirst(std::string_view text) {
    std::string result(text);
    if (!result.empty() && result[0] >= 'a' && result[0] <= 'z')
        result[0] = static_cast<char>(result[0] - 'a' + 'A');
    return result;
}

std::string headerName(std::string_view line) {
    const int colon = findText(line, ":");
    if (colon == -1)
        return std::string();
    return trimText(leftText(line, colon - 1));
}

std::string headerValue(std::string_view line) {
    const int colon = findText(line, ":");
    if (colon == -1)
        return std::string();
    return trimText(line.substr(colon));
}

std::string textBefore(std::string_view text, std::string_view marker) {
    const int position = findText(text, marker);
    if (position == -1)
        return std::string();
    return leftText(text, position - 1);
}

std::string textBetween(std::string_view text, std::string_view startMarker,
                        std::string_view endMarker) {
    static const std::string quoteWord = gbk("#引号");
    const std::string start = replaceAll(startMarker, quoteWord, "\"");
    const std::string end = replaceAll(endMarker, quoteWord, "\"");
    const int startPosition = findText(text, start);
    if (startPosition == -1)
        return std::string();
    const std::int64_t from = startPosition + static_cast<std::int64_t>(start.size());
    const int endPosition = findText(text, end, from);
    if (endPosition == -1)
        return std::string();
    return textSpan(text, from, endPosition - 1);
}

}  // namespace kestrum

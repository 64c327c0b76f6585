#include "common/settings/profile_text.h"

#include <vector>

#include "common/gbk_text.h"

namespace kestrum {
namespace {

struct Line {
    std::size_t begin;      // offset of the first byte
    std::size_t end;        // offset after the content, before the line break
    std::size_t next;       // offset after the line break
    std::string_view text;  // the content without the line break
};

std::vector<Line> splitLines(std::string_view fileText) {
    std::vector<Line> lines;
    std::size_t begin = 0;
    while (begin < fileText.size()) {
        std::size_t newline = fileText.find('\n', begin);
        std::size_t next = newline == std::string_view::npos ? fileText.size() : newline + 1;
        std::size_t end = newline == std::string_view::npos ? fileText.size() : newline;
        if (end > begin && fileText[end - 1] == '\r')
            --end;
        lines.push_back({begin, end, next, fileText.substr(begin, end - begin)});
        begin = next;
    }
    return lines;
}

std::string_view trimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && upperText(a) == upperText(b);
}

// The section name of a "[name]" line, or nothing for other lines.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimBlanks(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos)
        return trimBlanks(line.substr(1));
    return trimBlanks(line.substr(1, close - 1));
}

std::string_view entryKey(std::string_view line) {
    const std::size_t equals = line.find('=');
    return trimBlanks(equals == std::string_view::npos ? line : line.substr(0, equals));
}

std::string_view entryValue(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return {};
    std::string_view value = trimBlanks(line.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

// Lines [first, last) of the first section of that name; nothing when it is missing.
struct SectionSpan {
    std::size_t header;
    std::size_t first;
    std::size_t last;
};

std::optional<SectionSpan> findSection(const std::vector<Line>& lines, std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = sectionName(lines[i].text);
        if (!name || !sameName(*name, trimBlanks(section)))
            continue;
        std::size_t last = i + 1;
        while (last < lines.size() && !sectionName(lines[last].text))
            ++last;
        return SectionSpan{i, i + 1, last};
    }
    return std::nullopt;
}

bool isEntryOf(std::string_view line, std::string_view key) {
    return !trimBlanks(line).empty() && sameName(entryKey(line), trimBlanks(key));
}

}  // namespace

std::optional<std::string> profileValue(std::string_view fileText, std::string_view section,
                                        std::string_view key) {
    const std::vector<Line> lines = splitLines(fileText);
    const auto span = findSection(lines, section);
    if (!span)
        return std::nullopt;
    for (std::size_t i = span->first; i < span->last; ++i) {
        if (isEntryOf(lines[i].text, key))
            return std::string(entryValue(lines[i].text));
    }
    return std::nullopt;
}

std::string withProfileValue(std::string_view fileText, std::string_view section,
                             std::string_view key, std::string_view value) {
    const std::vector<Line> lines = splitLines(fileText);
    const std::string entry = std::string(trimBlanks(key)) + "=" + std::string(value);
    const auto span = findSection(lines, section);
    std::string result;
    if (!span) {
        result = fileText;
        if (!result.empty() && result.back() != '\n')
            result += "\r\n";
        return result + "[" + std::string(trimBlanks(section)) + "]\r\n" + entry + "\r\n";
    }
    for (std::size_t i = span->first; i < span->last; ++i) {
        if (isEntryOf(lines[i].text, key)) {
            const Line& line = lines[i];
            return std::string(fileText.substr(0, line.begin)) + entry +
                   std::string(fileText.substr(line.end));
        }
    }
    // After the section's last non-blank line (its header when it has no entries).
    std::size_t after = span->header;
    for (std::size_t i = span->first; i < span->last; ++i) {
        if (!trimBlanks(lines[i].text).empty())
            after = i;
    }
    const Line& line = lines[after];
    result = fileText.substr(0, line.next);
    if (line.next == line.end)  // the last line of the text, without a line break
        result += "\r\n";
    return result + entry + "\r\n" + std::string(fileText.substr(line.next));
}

}  // namespace kestrum

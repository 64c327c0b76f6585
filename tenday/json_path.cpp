#include "tenday/json_path.h"

#include <charconv>

namespace kestrum {

std::optional<JsonPath> parseJsonPathTail(std::string_view text) {
    JsonPath path;
    size_t i = 0;
    while (i < text.size()) {
        JsonPathStep step;
        if (text[i] == '.') {
            size_t start = ++i;
            while (i < text.size() && text[i] != '.' && text[i] != '[')
                ++i;
            if (i == start)
                return std::nullopt;
            step.name = std::string(text.substr(start, i - start));
        } else if (text[i] == '[') {
            ++i;
            if (i < text.size() && (text[i] == '\'' || text[i] == '"')) {
                const char quote = text[i++];
                size_t close = text.find(quote, i);
                if (close == std::string_view::npos || close + 1 >= text.size() ||
                    text[close + 1] != ']')
                    return std::nullopt;
                step.name = std::string(text.substr(i, close - i));
                i = close + 2;
            } else {
                size_t close = text.find(']', i);
                if (close == std::string_view::npos || close == i)
                    return std::nullopt;
                const char* first = text.data() + i;
                const char* last = text.data() + close;
                auto [end, ec] = std::from_chars(first, last, step.index);
                if (ec != std::errc() || end != last)
                    return std::nullopt;
                step.isIndex = true;
                i = close + 1;
            }
        } else {
            return std::nullopt;
        }
        path.push_back(std::move(step));
    }
    return path;
}

std::optional<JsonPath> parseJsonPath(std::string_view text) {
    if (text.empty() || text.front() == '[')
        return parseJsonPathTail(text);
    std::string dotted = ".";
    dotted += text;
    return parseJsonPathTail(dotted);
}

}  // namespace kestrum

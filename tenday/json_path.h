// Member paths inside a JSON document: "data.diff[3].f12", "[0]", "a['b c']".
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrum {

struct JsonPathStep {
    bool isIndex = false;
    std::string name;  // member name (UTF-8) when !isIndex
    size_t index = 0;  // element index when isIndex

    bool operator==(const JsonPathStep&) const = default;
};

using JsonPath = std::vector<JsonPathStep>;

// Steps of a path that continues a value: ".name", "[3]", "['name']" repeated; an empty
// text is the value itself. Nothing when the text is not such a path.
std::optional<JsonPath> parseJsonPathTail(std::string_view text);

// Steps of a path relative to the root: like a tail, but a leading member name needs no dot.
std::optional<JsonPath> parseJsonPath(std::string_view text);

}  // namespace kestrum

// Conversion between the programs' GBK texts and UTF-8, used only at the edges:
// widgets, the clipboard, file names on disk and the quote service's responses.
#pragma once

#include <string>
#include <string_view>

namespace kestrum {

// GBK (code page 936) to UTF-8. A byte sequence that is not GBK becomes "?".
std::string gbkToUtf8(std::string_view gbkText);

// UTF-8 to GBK. A character GBK cannot show, or a malformed sequence, becomes "?".
std::string utf8ToGbk(std::string_view utf8Text);

// The GBK form of a text written in UTF-8 in the source, e.g. gbk("计算").
inline std::string gbk(std::string_view utf8Text) {
    return utf8ToGbk(utf8Text);
}

}  // namespace kestrum

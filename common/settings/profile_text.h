// Reading and changing one value of a profile (INI) file's text, the way the Windows profile
// functions do: section and key names match without regard to ASCII letter case, blanks
// around names and values do not count, and a change leaves every other line byte for byte.
// Texts are GBK; new lines end in CR LF.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrum {

// The value of the key in the first section of that name, or nothing when the section or
// the key is missing. Surrounding blanks go, and so does one pair of matching quotes.
std::optional<std::string> profileValue(std::string_view fileText, std::string_view section,
                                        std::string_view key);

// The file text with the key set to the value: the key's line is replaced, or a new line is
// added after the section's last entry, or the section is added at the end of the text.
std::string withProfileValue(std::string_view fileText, std::string_view section,
                             std::string_view key, std::string_view value);

}  // namespace kestrum

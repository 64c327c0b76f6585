// Cookie texts: "name=value" items separated by "; ", without a separator at either end.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrum {

// Merges the cookies a response set (`received`) into those that were sent (`sent`): the
// received ones come first and replace sent ones of the same name, items ending in
// "=deleted" leave, exact repeats go. Both texts are trimmed in place; the merged text is
// returned and also written into `sent`, so the caller's variable works as a cookie jar.
std::string mergeCookieTexts(std::string& sent, std::string& received);

// The trimmed text before the item's first "=", or the whole item trimmed.
std::string cookieName(std::string_view item);

// Whether any item's cookieName is exactly `name`.
bool hasCookieNamed(const std::vector<std::string>& items, std::string_view name);

// The text split at `separator` with every repeat of an earlier item dropped, joined again.
std::string joinDistinct(std::string_view text, std::string_view separator);

// 1-based position of the first item exactly equal to `text`, or -1.
int indexOfItem(const std::vector<std::string>& items, std::string_view text);

}  // namespace kestrum

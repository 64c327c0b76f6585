#include "tenday/cookie_text.h"

#include <unordered_set>

#include "common/gbk_text.h"

namespace kestrum {

namespace {

// Trimmed, with a final ";" followed by one space so that splitting drops it.
void tidyCookieText(std::string& text) {
    text = trimText(text);
    if (!text.empty() && text.back() == ';')
        text += ' ';
}

bool endsWith(std::string_view text, std::string_view ending) {
    return text.size() >= ending.size() && text.substr(text.size() - ending.size()) == ending;
}

}  // namespace

std::string mergeCookieTexts(std::string& sent, std::string& received) {
    tidyCookieText(sent);
    tidyCookieText(received);
    const std::vector<std::string> oldItems = splitText(sent, "; ");
    std::vector<std::string> newItems = splitText(received, "; ");

    // The names already in the new list, kept alongside it as it grows.
    std::unordered_set<std::string> names;
    for (const std::string& item : newItems)
        names.insert(cookieName(item));
    for (const std::string& item : oldItems) {
        if (names.insert(cookieName(item)).second)
            newItems.push_back(item);
    }

    std::string merged;
    for (const std::string& item : newItems) {
        if (endsWith(item, "=deleted"))
            continue;
        merged += item;
        merged += "; ";
    }
    merged = leftText(merged, static_cast<std::int64_t>(merged.size()) - 2);
    sent = joinDistinct(merged, "; ");
    return sent;
}

std::string cookieName(std::string_view item) {
    const int equals = findText(item, "=");
    if (equals == -1)
        return trimText(item);
    return trimText(leftText(item, equals - 1));
}

bool hasCookieNamed(const std::vector<std::string>& items, std::string_view name) {
    for (const std::string& item : items)
        if (cookieName(item) == name)
            return true;
    return false;
}

std::string joinDistinct(std::string_view text, std::string_view separator) {
    std::string output;
    std::unordered_set<std::string> seen;
    for (std::string& piece : splitText(text, separator)) {
        if (!seen.insert(piece).second)
            continue;
        output += piece;
        output += separator;
    }
    return leftText(output, static_cast<std::int64_t>(output.size()) -
                                static_cast<std::int64_t>(separator.size()));
}

int indexOfItem(const std::vector<std::string>& items, std::string_view text) {
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == text)
            return static_cast<int>(i + 1);
    return -1;
}

}  // namespace kestrum

#include "common/settings/settings_file.h"

#include "common/file_system.h"
#include "common/settings/profile_text.h"

namespace kestrum {
namespace {

constexpr std::size_t kValueRoom = 10240 - 1;  // the buffer keeps one byte for its NUL

}  // namespace

std::string SettingsFile::read(const std::string& section, const std::string& key) const {
    const std::optional<std::string> text = files_.readFile(path_);
    if (!text)
        return {};
    std::string value = profileValue(*text, section, key).value_or("");
    if (value.size() > kValueRoom)
        value.resize(kValueRoom);
    return value;
}

bool SettingsFile::write(const std::string& section, const std::string& key,
                         const std::string& value) {
    const std::optional<std::string> text = files_.readFile(path_);
    // A file that is there but cannot be read is not replaced by one holding only this value.
    if (!text && files_.fileExists(path_))
        return false;
    return files_.writeFile(path_, withProfileValue(text.value_or(""), section, key, value));
}

}  // namespace kestrum

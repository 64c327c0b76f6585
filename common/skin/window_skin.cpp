#include "common/skin/window_skin.h"

#include "common/charset.h"
#include "common/file_system.h"
#include "common/number_text.h"
#include "common/path_text.h"
#include "common/settings/settings_file.h"

namespace kestrum {
namespace {

std::string settingsSection() {
    return gbk("设置");
}

std::string skinKey() {
    return gbk("颜色");
}

}  // namespace

std::string settingsPath(FileSystem& files, const std::string& fileName) {
    std::string directory = files.currentDirectory();
    return withTrailingSeparator(directory) + fileName;
}

WindowSkin::WindowSkin(std::string fileName, SkinTargets targets)
    : fileName_(std::move(fileName)), targets_(std::move(targets)) {}

void WindowSkin::load(Form& form, FileSystem& files) {
    const SettingsFile settings(files, settingsPath(files, fileName_));
    const std::string stored = settings.read(settingsSection(), skinKey());
    skinNumber_ = stored.empty() ? 1 : textToInt32(stored);
    counter_.setRange(2, skinNumber_);
    applySkin(form, targets_, skinNumber_);
}

void WindowSkin::step(Form& form) {
    skinNumber_ = counter_.step(true);
    applySkin(form, targets_, skinNumber_);
}

bool WindowSkin::save(FileSystem& files) const {
    SettingsFile settings(files, settingsPath(files, fileName_));
    return settings.write(settingsSection(), skinKey(), int32ToText(skinNumber_));
}

}  // namespace kestrum

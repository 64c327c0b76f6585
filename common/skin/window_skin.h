// A main window's skin: the skin number in use, its counter, and the settings file beside
// the program that keeps the number between runs (section "设置", key "颜色").
#pragma once

#include <cstdint>
#include <string>

#include "common/skin/apply_skin.h"
#include "common/skin/skin_counter.h"

namespace kestrum {

class FileSystem;
class Form;

// The current directory, ended by the path separator, followed by the file name.
std::string settingsPath(FileSystem& files, const std::string& fileName);

class WindowSkin {
  public:
    // fileName is GBK ("Kestrum.旬.ini"); targets name the window's controls.
    WindowSkin(std::string fileName, SkinTargets targets);

    // Start-up, in the main window's created handler: reads the number (missing gives 1,
    // other texts read as an integer), gives the counter its range and paints the window.
    void load(Form& form, FileSystem& files);
    // The star label: the counter's next number, painted.
    void step(Form& form);
    // Shut-down, in the will-be-destroyed handler: writes the number back. False when the
    // file could not be written; nothing else happens then.
    bool save(FileSystem& files) const;

    std::int32_t skinNumber() const { return skinNumber_; }
    const SkinCounter& counter() const { return counter_; }
    const SkinTargets& targets() const { return targets_; }

  private:
    std::string fileName_;
    SkinTargets targets_;
    std::int32_t skinNumber_ = 0;
    SkinCounter counter_;
};

}  // namespace kestrum

// The about window both programs open from "关于": usage text, four links, the picture, an
// author and a contact line, and the about song while it is open.
#pragma once

#include <string>

#include "common/form/window_definition.h"

namespace kestrum {

class FileSystem;
class Form;

enum class AboutVariant { TenDay, Daily };

// The help file's name beside the program (GBK).
std::string helpFileName();

WindowDefinition aboutWindow(AboutVariant variant, FileSystem& files);

// Left-pressed handler of "关于": shows the about window modally and returns once it is closed.
void openAboutWindow(Form& mainForm, AboutVariant variant, FileSystem& files);

void onAboutWindowCreated(AboutVariant variant, Form& about);
void onAboutWindowDestroying(Form& about);

// Left-pressed handler of "帮助文件": the help file in the program's own folder, opened with
// the desktop's program for it; nothing is reported when it is missing.
void openHelpFile(Form& about, FileSystem& files);

}  // namespace kestrum

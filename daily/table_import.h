// Bringing a table in: from a text file (left click on its label) or from the clipboard
// (right click). Each import replaces one of the program's three table texts and shows it in
// 编辑框1; parsing waits for the computation.
#pragma once

#include <string>

namespace kestrum {

class Form;

namespace daily {

struct DailyProgram;

// Open dialog in the program's folder, filter "文本文件|*.txt". A cancelled dialog changes
// nothing; otherwise the file's bytes up to the first zero byte, shown and read back.
void importTableFromFile(DailyProgram& program, Form& form, std::string& tableText);

// The clipboard's text with every LF made CR LF, stored and shown.
void importTableFromClipboard(DailyProgram& program, Form& form, std::string& tableText);

}  // namespace daily
}  // namespace kestrum

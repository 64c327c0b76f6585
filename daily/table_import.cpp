#include "daily/table_import.h"

#include "common/charset.h"
#include "common/file_dialog.h"
#include "common/file_system.h"
#include "common/form/form.h"
#include "common/gbk_text.h"
#include "daily/main_window.h"

namespace kestrum::daily {
namespace {

constexpr const char* kTableEditBox = "编辑框1";

}  // namespace

void importTableFromFile(DailyProgram& program, Form& form, std::string& tableText) {
    OpenFileOptions options;
    options.owner = &form;
    options.initialDirectory = program.files.programFolder();
    options.filter = gbk("文本文件|*.txt");
    const std::string path = FileDialog(program.services, program.files).open(options);
    if (path.empty())
        return;
    std::string bytes = program.files.readFile(path).value_or(std::string());
    bytes.resize(std::min(bytes.size(), bytes.find('\0')));  // text ends at the first zero byte
    Control& editBox = form.control(kTableEditBox);
    editBox.setText(std::move(bytes));
    tableText = editBox.text();
}

void importTableFromClipboard(DailyProgram& program, Form& form, std::string& tableText) {
    tableText = replaceAll(program.services.clipboardText(), "\n", "\r\n");
    form.control(kTableEditBox).setText(tableText);
}

}  // namespace kestrum::daily

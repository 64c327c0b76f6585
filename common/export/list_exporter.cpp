#include "common/export/list_exporter.h"

#include "common/charset.h"
#include "common/file_dialog.h"
#include "common/file_system.h"
#include "common/form/form.h"

namespace kestrum {

std::string twoDigits(int value) {
    if (value < 0)
        return {};
    return (value <= 9 ? "0" : "") + std::to_string(value);
}

std::string dateTimeStamp(const LocalTime& time) {
    const std::string dateText =
        std::to_string(time.year) + "-" + twoDigits(time.month) + "-" + twoDigits(time.day);
    const std::string timeText =
        twoDigits(time.hour) + "-" + twoDigits(time.minute) + "-" + twoDigits(time.second);
    return dateText + "-" + timeText;
}

std::string trimLineBreaks(std::string text) {
    while (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0)
        text.resize(text.size() - 2);
    std::size_t start = 0;
    while (text.compare(start, 2, "\r\n") == 0)
        start += 2;
    return text.substr(start);
}

std::string listToText(const Control& list) {
    std::string text;
    for (int row = 0; row < list.rowCount(); ++row)
        text += list.cell(row, 0) + '\t' + list.cell(row, 1) + "\r\n";
    return trimLineBreaks(std::move(text));
}

void exportList(Form& form, FileSystem& files) {
    const Control& list = form.control("超级列表框2");
    if (list.rowCount() == 0)
        return;
    Services& services = form.services();
    SaveFileOptions options;
    options.owner = &form;
    options.initialDirectory = files.programFolder();
    options.defaultFileName = dateTimeStamp(services.localTime());
    options.filter = gbk("文本文件|*.txt");
    const std::string path = FileDialog(services, files).save(options);
    if (path.empty())
        return;
    if (!files.writeFile(path, listToText(list)))
        services.messageBox(gbk("写出列表信息到磁盘失败？"));
}

}  // namespace kestrum

// The "导出" label under the result list: the first two columns of 超级列表框2 (code and name)
// written as GBK lines to a file the user picks, offered under a date-time name.
#pragma once

#include <string>

#include "common/form/services.h"

namespace kestrum {

class Control;
class FileSystem;
class Form;

// A value from 0 to 9 with a leading "0", a larger one as it is, a negative one as "".
std::string twoDigits(int value);

// "2021-11-20-09-05-07": year, month, day, hour, minute, second; no extension.
std::string dateTimeStamp(const LocalTime& time);

// The text without its leading and trailing CR LF pairs.
std::string trimLineBreaks(std::string text);

// Every row as column 0, TAB, column 1, rows separated by CR LF, none after the last.
std::string listToText(const Control& list);

// Left-pressed handler of the export label in both main windows.
void exportList(Form& form, FileSystem& files);

}  // namespace kestrum

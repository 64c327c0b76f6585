// The edge between the programs' GBK texts and 0x00BBGGRR colours and Qt's strings and colours.
#pragma once

#include <QColor>
#include <QString>
#include <string>

#include "common/form/window_definition.h"

namespace kestrum {

QString toQString(const std::string& gbkText);
std::string fromQString(const QString& text);
// Names and font faces are UTF-8 in the definitions.
QString utf8ToQString(const std::string& utf8Text);

QColor toQColor(Colour colour);

}  // namespace kestrum

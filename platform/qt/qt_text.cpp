#include "platform/qt/qt_text.h"

#include "common/charset.h"

namespace kestrum {

QString toQString(const std::string& gbkText) {
    return QString::fromStdString(gbkToUtf8(gbkText));
}

std::string fromQString(const QString& text) {
    return utf8ToGbk(text.toStdString());
}

QString utf8ToQString(const std::string& utf8Text) {
    return QString::fromStdString(utf8Text);
}

QColor toQColor(Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace kestrum

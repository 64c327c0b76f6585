#include "qt_test_support.h"

#include <QFont>
#include <cstdlib>

namespace kestrum {

QApplication& testApplication() {
    static int argc = 1;
    static char name[] = "kestrum_test_qt";
    static char* argv[] = {name, nullptr};
    // Never destroyed: it must outlive every widget of every test, static ones included.
    static QApplication* application = [] {
        if (!std::getenv("QT_QPA_PLATFORM"))
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        QFont::insertSubstitution(QStringLiteral("微软雅黑"),
                                  QStringLiteral("WenQuanYi Micro Hei"));
        return new QApplication(argc, argv);
    }();
    return *application;
}

QRect rectInWindow(const Form& form, const std::string& name) {
    const ControlDefinition& control = form.control(name).definition();
    QRect rect(control.x, control.y, control.width, control.height);
    if (!control.parent.empty()) {
        const ControlDefinition& frame = form.control(control.parent).definition();
        rect.translate(frame.x, frame.y);
    }
    return rect;
}

bool rectHasColour(const QImage& image, const QRect& rect, QColor colour, int tolerance) {
    const QRect inside = rect.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) <= tolerance &&
                std::abs(pixel.green() - colour.green()) <= tolerance &&
                std::abs(pixel.blue() - colour.blue()) <= tolerance)
                return true;
        }
    }
    return false;
}

QColor colourOf(Colour colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

}  // namespace kestrum

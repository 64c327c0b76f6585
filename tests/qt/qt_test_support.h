// One QApplication for the whole test program (offscreen unless QT_QPA_PLATFORM says
// otherwise), and pixel helpers for grabbed windows.
#pragma once

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

#include "common/form/form.h"

namespace kestrum {

QApplication& testApplication();

// A control's rectangle in window coordinates (frames add their own position).
QRect rectInWindow(const Form& form, const std::string& name);

// Whether some pixel inside the rectangle is within `tolerance` of the colour per channel.
bool rectHasColour(const QImage& image, const QRect& rect, QColor colour, int tolerance = 8);

QColor colourOf(Colour colour);

}  // namespace kestrum

// A window described as data: its title, geometry, controls and the handlers its events call.
// The same definition builds a headless Form (tests) and the real widgets (platform/qt).
//
// Text rule: names (control names, font faces) are UTF-8 identifiers written straight in the
// source; everything shown to the user (titles, captions, column titles, link targets) is GBK,
// written as gbk("...").
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kestrum {

class Form;

// A Windows colour value 0x00BBGGRR (red in the lowest byte).
using Colour = std::uint32_t;

// Every handler gets the form whose control (or window) fired the event.
using Handler = std::function<void(Form&)>;

enum class ControlKind {
    Label,
    RadioButton,
    Frame,
    SeparatorLine,
    EditBox,   // multi-line
    ListView,  // report style, no header row, whole-row single selection, no grid
    HyperlinkLabel,
    PictureBox,
};

struct FontSpec {
    std::string face = "微软雅黑";
    int pixelHeight = 19;
    bool bold = false;
};

struct ListColumn {
    std::string title;  // GBK
    int width = 0;
};

struct ControlDefinition {
    ControlKind kind = ControlKind::Label;
    std::string name;
    std::string parent;  // name of the frame that holds it; empty for the window itself
    int x = 0, y = 0, width = 0, height = 0;
    std::string caption;  // GBK
    FontSpec font;
    std::vector<ListColumn> columns;  // list views
    bool checked = false;             // radio buttons: checked at start
    bool multiLine = false;           // labels that wrap their caption over several lines
    std::string linkTarget;           // hyperlink labels: opened on a left click (GBK)
    std::string image;                // picture boxes: encoded image bytes, scaled to the box
    Handler onLeftPressed;
    Handler onLeftReleased;
    Handler onRightPressed;
};

// The usual way to write a row of a window's control table; set the rest on the result.
inline ControlDefinition makeControl(ControlKind kind, std::string name, int x, int y, int width,
                                     int height, std::string caption = {},
                                     std::string parent = {}) {
    ControlDefinition control;
    control.kind = kind;
    control.name = std::move(name);
    control.parent = std::move(parent);
    control.x = x;
    control.y = y;
    control.width = width;
    control.height = height;
    control.caption = std::move(caption);
    return control;
}

struct WindowDefinition {
    std::string title;  // GBK
    int x = 0, y = 0, width = 0, height = 0;
    std::vector<ControlDefinition> controls;
    Handler onCreated;
    Handler onDestroying;
};

}  // namespace kestrum

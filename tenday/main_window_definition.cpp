// The controls of kestrum_xun's main window, positions relative to their parent.
#include "common/about/about_window.h"
#include "common/about/music_label.h"
#include "common/charset.h"
#include "common/export/list_exporter.h"
#include "common/form/radio_choice.h"
#include "tenday/main_window.h"
#include "tenday/screening_handlers.h"

namespace kestrum::tenday {
namespace {

constexpr ControlKind kLabel = ControlKind::Label;
constexpr ControlKind kRadio = ControlKind::RadioButton;

std::vector<ListColumn> listColumns() {
    return {{gbk("代码"), 100},
            {gbk("名称"), 120},
            {gbk("价格"), 100},
            {gbk("涨幅"), 80},
            {gbk("净流入"), 120}};
}

ControlDefinition label(std::string name, int x, int y, int width, int height, const char* caption,
                        std::string parent = {}) {
    return makeControl(kLabel, std::move(name), x, y, width, height, gbk(caption),
                       std::move(parent));
}

ControlDefinition radio(std::string name, int x, std::string parent) {
    ControlDefinition control = makeControl(kRadio, std::move(name), x, 8, 24, 32, {}, parent);
    control.font.pixelHeight = 14;
    return control;
}

ControlDefinition listView(std::string name, int x, int y, int width, int height) {
    ControlDefinition control =
        makeControl(ControlKind::ListView, std::move(name), x, y, width, height);
    control.columns = listColumns();
    return control;
}

Handler bind(TenDayProgram& program, void (*handler)(TenDayProgram&, Form&)) {
    return [&program, handler](Form& form) { handler(program, form); };
}

}  // namespace

WindowDefinition mainWindow(TenDayProgram& program) {
    WindowDefinition window;
    window.title = gbk("Kestrum.旬   1.2         by Maelis");
    window.x = 50;
    window.y = 50;
    window.width = 1140;
    window.height = 762;
    window.onCreated = bind(program, onMainWindowCreated);
    window.onDestroying = bind(program, onMainWindowDestroying);

    std::vector<ControlDefinition>& c = window.controls;
    c.push_back(listView("超级列表框1", 7, 40, 544, 680));
    c.push_back(label("标签1", 1, 8, 88, 24, "代码"));
    c.push_back(label("标签2", 108, 8, 88, 24, "名称"));
    c.push_back(label("标签3", 214, 8, 88, 24, "价格"));
    c.push_back(label("标签4", 313, 8, 88, 24, "涨幅"));
    c.push_back(label("标签5", 408, 8, 88, 24, "净流入"));

    // The batch choice: "第一" (largest inflow) to "第五".
    c.push_back(makeControl(ControlKind::Frame, "外形框1", 576, 8, 544, 48));
    c.push_back(label("标签19", 0, 8, 104, 32, "资金:大到小", "外形框1"));
    const char* batchRadios[] = {"单选框1", "单选框2", "单选框3", "单选框4", "单选框5"};
    const int batchRadioX[] = {137, 221, 305, 390, 470};
    for (int i = 0; i < 5; ++i)
        c.push_back(radio(batchRadios[i], batchRadioX[i], "外形框1"));
    c[c.size() - 5].checked = true;
    const char* batchLabels[] = {"标签7", "标签8", "标签9", "标签10", "标签11"};
    const char* batchCaptions[] = {"第一", "第二", "第三", "第四", "第五"};
    const int batchLabelX[] = {158, 241, 325, 410, 490};
    for (int i = 0; i < 5; ++i) {
        ControlDefinition choice =
            label(batchLabels[i], batchLabelX[i], 8, 40, 32, batchCaptions[i], "外形框1");
        std::vector<std::string> cleared;
        for (int j = 0; j < 5; ++j) {
            if (j != i)
                cleared.push_back(batchRadios[j]);
        }
        choice.onLeftPressed = checkRadioButton(batchRadios[i], cleared);
        c.push_back(choice);
    }

    c.push_back(makeControl(ControlKind::SeparatorLine, "分隔条1", 576, 64, 536, 1));

    // The ten-day change range.
    c.push_back(makeControl(ControlKind::Frame, "外形框2", 576, 79, 392, 48));
    c.push_back(label("标签20", 0, 8, 104, 32, "涨幅:大到小", "外形框2"));
    c.push_back(radio("单选框6", 139, "外形框2"));
    c.back().checked = true;
    c.push_back(radio("单选框7", 225, "外形框2"));
    c.push_back(radio("单选框8", 319, "外形框2"));
    c.push_back(label("标签12", 158, 8, 50, 32, "<0", "外形框2"));
    c.back().onLeftPressed = checkRadioButton("单选框6", {"单选框7", "单选框8"});
    c.push_back(label("标签13", 246, 8, 50, 32, "0-20", "外形框2"));
    c.back().onLeftPressed = checkRadioButton("单选框7", {"单选框6", "单选框8"});
    c.push_back(label("标签14", 342, 8, 50, 32, ">20", "外形框2"));
    c.back().onLeftPressed = checkRadioButton("单选框8", {"单选框6", "单选框7"});

    c.push_back(label("标签_计算", 997, 87, 110, 32, "计算"));
    c.back().onLeftReleased = bind(program, computeScreening);
    c.push_back(makeControl(ControlKind::SeparatorLine, "分隔条2", 576, 135, 536, 1));

    c.push_back(label("标签16", 563, 144, 88, 24, "代码"));
    c.push_back(label("标签17", 671, 144, 88, 24, "名称"));
    c.push_back(label("标签18", 776, 144, 88, 24, "价格"));
    c.push_back(label("标签6", 893, 144, 67, 24, "涨幅▼"));
    c.back().onLeftReleased = bind(program, onChangeHeadingReleased);
    c.push_back(label("标签15", 979, 144, 88, 24, "净流入▼"));
    c.back().onLeftPressed = bind(program, computeScreening);
    c.push_back(listView("超级列表框2", 570, 174, 544, 498));

    c.push_back(label("标签21", 576, 692, 88, 32, "导出"));
    c.back().onLeftPressed = [&program](Form& form) { exportList(form, program.files); };
    c.push_back(label("标签0", 720, 686, 256, 40, ""));
    c.back().onLeftPressed = [&program](Form& form) { toggleMusic(program.musicOn, form); };
    c.push_back(label("标签_皮肤", 992, 692, 32, 32, "★"));
    c.back().onLeftPressed = bind(program, onSkinLabelPressed);
    c.push_back(label("标签_关于", 1036, 692, 80, 32, "关于"));
    c.back().onLeftPressed = [&program](Form& form) {
        openAboutWindow(form, AboutVariant::TenDay, program.files);
    };
    return window;
}

}  // namespace kestrum::tenday

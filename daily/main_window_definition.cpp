// The controls of kestrum_ri's main window in the order the window defines them, positions
// relative to their parent.
#include "common/about/about_window.h"
#include "common/about/music_label.h"
#include "common/charset.h"
#include "common/export/list_exporter.h"
#include "common/form/radio_choice.h"
#include "daily/computation_handlers.h"
#include "daily/main_window.h"
#include "daily/result_list.h"
#include "daily/table_import.h"

namespace kestrum::daily {
namespace {

ControlDefinition label(std::string name, int x, int y, int width, int height, const char* caption,
                        int fontHeight, std::string parent = {}) {
    ControlDefinition control = makeControl(ControlKind::Label, std::move(name), x, y, width,
                                            height, gbk(caption), std::move(parent));
    control.font.pixelHeight = fontHeight;
    return control;
}

ControlDefinition radio(std::string name, int x) {
    ControlDefinition control =
        makeControl(ControlKind::RadioButton, std::move(name), x, 8, 24, 32, {}, "外形框2");
    control.font.pixelHeight = 14;
    return control;
}

Handler bind(DailyProgram& program, void (*handler)(DailyProgram&, Form&)) {
    return [&program, handler](Form& form) { handler(program, form); };
}

// Left button: a text file; right button: the clipboard; both into the label's own table.
void bindImports(ControlDefinition& label, DailyProgram& program, std::string& tableText) {
    label.onLeftPressed = [&program, &tableText](Form& form) {
        importTableFromFile(program, form, tableText);
    };
    label.onRightPressed = [&program, &tableText](Form& form) {
        importTableFromClipboard(program, form, tableText);
    };
}

}  // namespace

WindowDefinition mainWindow(DailyProgram& program) {
    WindowDefinition window;
    window.title = gbk("Kestrum.日  1.2       by Maelis");
    window.x = 50;
    window.y = 50;
    window.width = 1180;
    window.height = 780;
    window.onCreated = bind(program, onMainWindowCreated);
    window.onDestroying = bind(program, onMainWindowDestroying);

    std::vector<ControlDefinition>& c = window.controls;
    c.push_back(label("标签99", 1032, 711, 32, 32, "☆", 19));
    c.back().onLeftPressed = bind(program, onSkinLabelPressed);
    c.push_back(label("标签9", 528, 713, 88, 32, "导出", 19));
    c.back().onLeftPressed = [&program](Form& form) { exportList(form, program.files); };
    c.push_back(label("标签8", 1072, 77, 81, 51, "研报数▼", 16));
    c.back().onLeftPressed = bind(program, onReportCountHeadingPressed);
    c.push_back(label("标签7", 979, 77, 69, 51, "二十日涨跌幅▼", 16));
    c.back().onLeftPressed = bind(program, onTwentyDayChangeHeadingPressed);
    c.push_back(makeControl(ControlKind::EditBox, "编辑框1", 14, 64, 490, 672));
    c.back().font.pixelHeight = 16;
    c.push_back(label("标签20", 0, 8, 192, 32, "二十日涨跌幅:小到大", 19, "外形框2"));
    c.push_back(label("标签18", 727, 77, 67, 51, "价格", 16));
    c.push_back(label("标签17", 618, 77, 73, 51, "名称", 16));
    c.push_back(label("标签16", 521, 77, 71, 51, "代码", 16));
    c.push_back(makeControl(ControlKind::SeparatorLine, "分隔条2", 526, 68, 630, 1));
    c.push_back(label("标签15", 900, 77, 60, 51, "主力净流入▼", 16));
    c.back().onLeftPressed = bind(program, onNetInflowHeadingPressed);
    c.push_back(label("标签14", 428, 8, 50, 32, ">20", 19, "外形框2"));
    c.back().onLeftPressed = checkRadioButton("单选框8", {"单选框6", "单选框7"});
    c.push_back(label("标签13", 332, 8, 50, 32, "0-20", 19, "外形框2"));
    c.back().onLeftPressed = checkRadioButton("单选框7", {"单选框6", "单选框8"});
    c.push_back(label("标签12", 244, 8, 50, 32, "<0", 19, "外形框2"));
    c.back().onLeftPressed = checkRadioButton("单选框6", {"单选框7", "单选框8"});
    c.push_back(radio("单选框6", 225));
    c.back().checked = true;
    c.push_back(radio("单选框7", 311));
    c.push_back(radio("单选框8", 405));
    c.push_back(makeControl(ControlKind::Frame, "外形框2", 528, 12, 496, 48));
    c.push_back(label("标签6", 822, 77, 42, 51, "当日涨幅", 16));
    c.push_back(label("标签3", 203, 19, 88, 32, "盈利预测", 19));
    bindImports(c.back(), program, program.profitForecastText);
    c.push_back(label("标签2", 371, 19, 88, 32, "阶段统计", 19));
    bindImports(c.back(), program, program.periodStatsText);
    c.push_back(label("标签1", 46, 19, 88, 32, "资金流向", 19));
    bindImports(c.back(), program, program.fundFlowText);
    c.push_back(label("标签_关于", 1074, 711, 80, 32, "关于", 19));
    c.back().onLeftPressed = [&program](Form& form) {
        openAboutWindow(form, AboutVariant::Daily, program.files);
    };
    c.push_back(label("标签_计算", 1043, 20, 110, 32, "计算", 19));
    c.back().onLeftPressed = bind(program, startComputation);
    c.push_back(label("标签0", 636, 713, 364, 32, "", 19));
    c.back().onLeftPressed = [&program](Form& form) { toggleMusic(program.musicOn, form); };
    c.push_back(makeControl(ControlKind::ListView, "超级列表框2", 520, 136, 640, 560));
    c.back().columns = {{gbk("代码"), 100}, {gbk("名称"), 110},  {gbk("价格"), 90},
                        {gbk("涨幅"), 80},  {gbk("净流入"), 80}, {gbk("二十日"), 100},
                        {gbk("研报数"), 50}};
    return window;
}

}  // namespace kestrum::daily

#include "common/charset.h"
#include "common/form/form.h"
#include "tenday/main_window.h"
#include "tenday/quote_list_handlers.h"

namespace kestrum::tenday {
namespace {

SkinTargets skinTargets() {
    SkinTargets targets;
    targets.actionLabels = {"标签_计算", "标签_关于", "标签21", "标签_皮肤"};
    targets.infoLabels = {"标签0",  "标签1",  "标签2",  "标签3",  "标签4", "标签5",
                          "标签16", "标签17", "标签18", "标签19", "标签20"};
    targets.listViews = {"超级列表框1", "超级列表框2"};
    targets.frames = {"外形框1", "外形框2"};
    targets.radioButtons = {"单选框1", "单选框2", "单选框3", "单选框4",
                            "单选框5", "单选框6", "单选框7", "单选框8"};
    targets.choiceLabels = {"标签7",  "标签8",  "标签9",  "标签10",
                            "标签11", "标签12", "标签13", "标签14"};
    targets.sortHeadings = {"标签6", "标签15"};
    return targets;
}

}  // namespace

TenDayProgram::TenDayProgram(Services& services, FileSystem& files)
    : services(services), files(files), skin(gbk("Kestrum.旬.ini"), skinTargets()) {}

void onMainWindowCreated(TenDayProgram& program, Form& form) {
    // The quote list is loaded and shown before the skin is read.
    loadAndShowQuoteList(program, form);
    program.skin.load(form, program.files);
}

void onMainWindowDestroying(TenDayProgram& program, Form&) {
    program.skin.save(program.files);
}

void onSkinLabelPressed(TenDayProgram& program, Form& form) {
    // Repainting is left to the event loop in this window.
    program.skin.step(form);
}

}  // namespace kestrum::tenday

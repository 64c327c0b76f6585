#include "common/charset.h"
#include "common/form/form.h"
#include "common/form/services.h"
#include "daily/main_window.h"

namespace kestrum::daily {
namespace {

SkinTargets skinTargets() {
    SkinTargets targets;
    targets.actionLabels = {"标签_计算", "标签_关于", "标签1", "标签2", "标签3", "标签9", "标签99"};
    targets.infoLabels = {"标签0", "标签6", "标签16", "标签17", "标签18", "标签20"};
    targets.listViews = {"超级列表框2"};
    targets.editBoxes = {"编辑框1"};
    targets.frames = {"外形框2"};
    targets.radioButtons = {"单选框6", "单选框7", "单选框8"};
    targets.choiceLabels = {"标签12", "标签13", "标签14"};
    targets.sortHeadings = {"标签15", "标签7", "标签8"};
    return targets;
}

}  // namespace

DailyProgram::DailyProgram(Services& services, FileSystem& files)
    : services(services), files(files), skin(gbk("Kestrum.日.ini"), skinTargets()) {}

void onMainWindowCreated(DailyProgram& program, Form& form) {
    program.skin.load(form, program.files);
}

void onMainWindowDestroying(DailyProgram& program, Form&) {
    program.skin.save(program.files);
    program.worker.close();  // a running computation ends before the window and state go
}

void onSkinLabelPressed(DailyProgram& program, Form& form) {
    program.skin.step(form);
    program.services.repaintNow(form);
}

}  // namespace kestrum::daily

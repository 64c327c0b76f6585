#include "common/skin/apply_skin.h"

#include "common/form/form.h"
#include "common/skin/skin_table.h"

namespace kestrum {
namespace {

void paintLabels(Form& form, const std::vector<std::string>& names, Colour background,
                 Colour text) {
    for (const std::string& name : names) {
        Control& label = form.control(name);
        label.setBackgroundColour(background);
        label.setTextColour(text);
    }
}

}  // namespace

void applySkin(Form& form, const SkinTargets& targets, std::int32_t skinNumber) {
    const SkinColours skin = SkinTable::colours(skinNumber);
    form.setBackgroundColour(skin.windowBackground);
    for (const std::string& name : targets.actionLabels)
        form.control(name).setBackgroundColour(skin.actionBackground);
    for (const std::string& name : targets.actionLabels)
        form.control(name).setTextColour(skin.actionText);
    paintLabels(form, targets.infoLabels, skin.infoBackground, skin.infoText);
    for (const std::string& name : targets.listViews)
        form.control(name).setListColours(skin.listText, skin.listBackground, skin.listBackground);
    for (const std::string& name : targets.editBoxes) {
        Control& edit = form.control(name);
        edit.setBackgroundColour(skin.listBackground);
        edit.setTextColour(skin.listText);
    }
    for (const std::string& name : targets.frames)
        form.control(name).setBackgroundColour(skin.infoBackground);
    for (const std::string& name : targets.radioButtons)
        form.control(name).setBackgroundColour(skin.choiceBackground);
    paintLabels(form, targets.choiceLabels, skin.choiceBackground, skin.choiceText);
    paintLabels(form, targets.sortHeadings, skin.choiceBackground, skin.choiceText);
}

}  // namespace kestrum

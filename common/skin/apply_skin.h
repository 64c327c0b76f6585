// Paints a window's controls with a skin: which controls take which role is each window's
// own list, the order of painting is the same for both windows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kestrum {

class Form;

struct SkinTargets {
    std::vector<std::string> actionLabels;  // actionBackground, actionText
    std::vector<std::string> infoLabels;    // infoBackground, infoText
    std::vector<std::string> listViews;     // listBackground (list and items), listText
    std::vector<std::string> editBoxes;     // listBackground, listText
    std::vector<std::string> frames;        // infoBackground
    std::vector<std::string> radioButtons;  // choiceBackground
    std::vector<std::string> choiceLabels;  // choiceBackground, choiceText
    std::vector<std::string> sortHeadings;  // choiceBackground, choiceText
};

// Sets every property of the targets, changed or not: the window background; the action
// labels' backgrounds, then their text colours; the info labels; the list views and the edit
// boxes; the frames; the radio buttons; the choice labels; the sort headings.
void applySkin(Form& form, const SkinTargets& targets, std::int32_t skinNumber);

}  // namespace kestrum

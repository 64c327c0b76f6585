#include "common/form/radio_choice.h"

#include "common/form/form.h"

namespace kestrum {

Handler checkRadioButton(std::string checked, std::vector<std::string> cleared) {
    return [checked = std::move(checked), cleared = std::move(cleared)](Form& form) {
        form.control(checked).setChecked(true);
        for (const std::string& name : cleared)
            form.control(name).setChecked(false);
    };
}

}  // namespace kestrum

// The handler of a label that stands as the caption of a radio button: checks that button,
// then clears the others of its group, in the order given.
#pragma once

#include <string>
#include <vector>

#include "common/form/window_definition.h"

namespace kestrum {

Handler checkRadioButton(std::string checked, std::vector<std::string> cleared);

}  // namespace kestrum

#pragma once

#include <string>

namespace qz5 {

// The folder of kept tracker images: $XDG_STATE_HOME/qz5-config/history, or
// ~/.local/state/qz5-config/history when that is unset or not absolute.
// Empty when neither variable gives a place.
std::string historyFolderPath();

}  // namespace qz5

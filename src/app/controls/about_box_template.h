// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "app/controls/dialog_template.h"

namespace qz5 {

inline constexpr std::string_view kWebAddress = "http://www.orvane.example/qz5";

// Template 100: the About box.
const DialogTemplate& aboutBoxTemplate();

}  // namespace qz5

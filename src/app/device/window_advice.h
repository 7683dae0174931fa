// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "workflow/failure_advice.h"

namespace qz5 {

// A Write that kept the tracker's settings first names them in its own advice.
inline constexpr AdviceContext kWindowAdvice{.frontEnd = AdviceContext::FrontEnd::Window,
                                             .backup = std::nullopt};

}  // namespace qz5

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "workflow/failure_advice.h"

namespace qz5 {

// The window's write reads no backup first, so its advice never points to one.
inline constexpr AdviceContext kWindowAdvice{.frontEnd = AdviceContext::FrontEnd::Window,
                                             .backup = std::nullopt};

}  // namespace qz5

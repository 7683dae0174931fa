// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace qz5 {

// The button sets the program asks for. OkCancel and DiscardCancel make Cancel
// the default, so a careless Enter never confirms.
enum class MessageButtons { Ok, OkCancel, DiscardCancel };
enum class MessageAnswer { Ok, Cancel, Discard };

}  // namespace qz5

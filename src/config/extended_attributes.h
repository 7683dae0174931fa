// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace qz5 {

// Gives the open file `to` the access ACL and the extended attributes of the
// file at `from`, which it is about to replace; call it after the last
// fchmod, which would rewrite the ACL's mask. Without an ACL at `from`, an
// ACL that `to` took from its folder's default goes, or it would widen
// access. Other attributes are copied where the process may (an ordinary
// user may not set security.* or trusted.*). False when the ACL, the one
// thing access depends on, cannot be put on `to`, or may not be because `to`
// is in another group than `from` (`sameGroup` false), whose entry would then
// grant the old group's rights to the new one.
[[nodiscard]] bool copyAccessAttributes(const std::string& from, int to, bool sameGroup);

}  // namespace qz5

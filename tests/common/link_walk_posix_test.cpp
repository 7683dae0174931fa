// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/link_walk_posix.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace qz5 {
namespace {

namespace fs = std::filesystem;

// The user's own links, in folders on the way and at the end, with the
// other user's kind left to the hostile-user tests.
TEST(LinkWalk, FollowsEveryLinkOnTheWayToAPathWithoutOne) {
    const fs::path root = fs::path(::testing::TempDir()) / "link-walk";
    fs::remove_all(root);
    fs::create_directories(root / "real/sub");
    fs::create_directories(root / "shared");
    ::chmod((root / "shared").c_str(), 01777);
    fs::create_directory_symlink(root / "real/sub", root / "deep");
    fs::create_directory_symlink("real", root / "near");
    fs::create_symlink("../near/sub/file", root / "shared/mine");
    fs::create_symlink("loop-b", root / "loop-a");
    fs::create_symlink("loop-a", root / "loop-b");
    struct Case {
        std::string path;
        std::optional<std::string> resolved;
    };
    const std::string r = root.string();
    const std::vector<Case> cases = {
        {r + "/near/sub/file", r + "/real/sub/file"},
        {r + "/deep/../file", r + "/real/file"},
        {r + "/./near/./sub/../../deep/x", r + "/real/sub/x"},
        {r + "/shared/mine", r + "/real/sub/file"},
        {r + "/near/missing/more/file", r + "/real/missing/more/file"},
        {r + "/near/", r + "/real/"},
        {r + "/loop-a", std::nullopt},
        {r + "/loop-b/file", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(followTrustedLinks(c.path), c.resolved) << c.path;
    }
    fs::remove_all(root);
}

}  // namespace
}  // namespace qz5

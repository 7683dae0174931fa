// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into every test program: the program's state and settings folders
// point at a temporary folder of its own before any test (or a child program
// it starts) could write there, so no test touches the user's real history or
// settings. It speaks English too, whatever the developer's own language: a
// test of another language sets it for the command it runs.
#include <filesystem>
#include <random>
#include <string>

#include "support/environment.h"

namespace {

using qz5::testing::setEnvironment;

class IsolatedHome {
  public:
    IsolatedHome() {
        std::random_device random;
        const auto base = std::filesystem::temp_directory_path();
        do {
            root_ = base / ("qz5-test-home-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(root_));
        setEnvironment("XDG_STATE_HOME", (root_ / "state").string());
        setEnvironment("XDG_CONFIG_HOME", (root_ / "config").string());
        setEnvironment("LOCALAPPDATA", (root_ / "local").string());  // Windows' state and settings
        setEnvironment("LC_ALL", "C.UTF-8");
        setEnvironment("LANGUAGE", "");
    }
    ~IsolatedHome() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    IsolatedHome(const IsolatedHome&) = delete;
    IsolatedHome& operator=(const IsolatedHome&) = delete;

  private:
    std::filesystem::path root_;
};

const IsolatedHome isolatedHome;

}  // namespace

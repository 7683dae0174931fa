// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qz5::testing {

// What one run of the built qz5cfg left behind.
struct ToolRun {
    int status = -1;  // exit status, or -1 when it did not exit normally
    std::string out;
    std::string err;
};

// Runs qz5cfg with `args` (no shell), stdin from /dev/null.
ToolRun runTool(const std::vector<std::string>& args);
// The same with stdout going to `output` (such as /dev/full) instead.
ToolRun runToolWithOutput(const std::vector<std::string>& args, const std::string& output);

// A fresh folder, removed with everything in it at the end of the test.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string path(const std::string& name) const { return (root_ / name).string(); }
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const { return std::filesystem::exists(root_ / name); }

  private:
    std::filesystem::path root_;
};

}  // namespace qz5::testing

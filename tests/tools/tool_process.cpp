// SPDX-License-Identifier: GPL-3.0-or-later
#include "tool_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace qz5::testing {

namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

ToolRun runTool(const std::vector<std::string>& args) {
    return runToolWithOutput(args, {});
}

ToolRun runToolWithOutput(const std::vector<std::string>& args, const std::string& output) {
    TempFolder capture;
    const std::string outPath = output.empty() ? capture.path("stdout") : output;
    const std::string errPath = capture.path("stderr");

    std::vector<std::string> argvStrings{QZ5CFG_PATH};
    argvStrings.insert(argvStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& arg : argvStrings) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT, 0600);
    pid_t pid = 0;
    const int error = posix_spawn(&pid, QZ5CFG_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        throw std::system_error(error, std::generic_category(), "posix_spawn");
    }
    int wait = 0;
    while (waitpid(pid, &wait, 0) < 0) {
        if (errno != EINTR) {
            throw std::system_error(errno, std::generic_category(), "waitpid");
        }
    }
    ToolRun run;
    run.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
    run.out = output.empty() ? slurp(outPath) : std::string();
    run.err = slurp(errPath);
    return run;
}

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "qz5cfg-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::system_error(errno, std::generic_category(), "mkdtemp");
    }
    root_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

void TempFolder::write(const std::string& name, const std::string& bytes) const {
    std::ofstream file(root_ / name, std::ios::binary | std::ios::trunc);
    file << bytes;
    if (!file.flush()) {
        throw std::runtime_error("cannot write " + path(name));
    }
}

std::string TempFolder::read(const std::string& name) const {
    return slurp(root_ / name);
}

}  // namespace qz5::testing

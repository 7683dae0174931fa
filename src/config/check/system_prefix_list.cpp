// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/check/system_prefix_list.h"

#include <cstdlib>
#include <system_error>

#include "config/data_file_path.h"

namespace qz5 {

namespace {

const PrefixListRead& systemRead() {
    // A function-local static is built once, even with several threads asking.
    static const PrefixListRead read = [] {
        const char* chosen = std::getenv("QZ5_PREFIX_LIST");
        if (chosen != nullptr && chosen[0] != '\0') {
            return PrefixList::load(std::filesystem::path(chosen));
        }
        // A system without the list is no fault: the check then names no
        // country, and says nothing about it.
        const std::filesystem::path installed = installedPrefixListPath();
        std::error_code error;
        if (!std::filesystem::exists(installed, error)) {
            return PrefixListRead{};
        }
        return PrefixList::load(installed);
    }();
    return read;
}

}  // namespace

const PrefixList* systemPrefixList() {
    const PrefixListRead& read = systemRead();
    return read.list ? &*read.list : nullptr;
}

const std::string& systemPrefixListProblem() {
    return systemRead().problem;
}

std::filesystem::path installedPrefixListPath() {
    return installedDataFile("/usr/share/hamradio-files/cty.dat", L"cty.dat");
}

}  // namespace qz5

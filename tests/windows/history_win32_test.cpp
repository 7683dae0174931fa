// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "config/config_file.h"
#include "config/history.h"
#include "config/tracker_config.h"

namespace qz5 {
namespace {

namespace fs = std::filesystem;

// A user whose name Windows spells outside the ANSI code page: the history
// lives under it, and what is kept there loads again.
TEST(HistoryWin32, IsKeptAndReadInAFolderWithACyrillicName) {
    const fs::path local = fs::temp_directory_path() / u8"Пользователь" / "AppData" / "Local";
    fs::remove_all(local.parent_path().parent_path());
    const std::wstring before = _wgetenv(L"LOCALAPPDATA");
    ASSERT_EQ(_wputenv_s(L"LOCALAPPDATA", local.c_str()), 0);

    TrackerConfig written;
    written.setCallsign("R1ABC-7");
    HistoryImage entry{{}, "read", "COM3", "OV-QZ5 1.4"};
    static_cast<void>(written.encodeImage(entry.image));
    HistoryWarnings warnings;
    const Outcome<KeptFile> stored = keepInHistory(entry, warnings);
    EXPECT_TRUE(stored.messages().empty());

    const std::vector<HistoryEntry> kept = listHistory();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].file.parent_path(), local / "qz5-config" / "history");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->file, kept[0].file);
    TrackerConfig read;
    EXPECT_TRUE(readConfigFile(kept[0].file.string(), read));
    EXPECT_STREQ(read.callsign[0].data(), "R1ABC-7");
    fs::remove_all(local.parent_path().parent_path());
    _wputenv_s(L"LOCALAPPDATA", before.c_str());
}

}  // namespace
}  // namespace qz5

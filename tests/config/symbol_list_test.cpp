// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/symbols/symbol_list.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "config/symbols/system_symbol_list.h"
#include "support/symbol_text.h"

namespace qz5 {
namespace {

using testing::symbolEntryText;

TEST(SymbolList, ReadsEntriesAndSkipsTheBadOnes) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> kept;  // table, code and name of each symbol
        int skipped;
        int firstSkippedLine = 0;
    };
    const std::string car = symbolEntryText('>', "Car (SSID -9)", true);
    const std::vector<Case> cases = {
        {"named, unnamed, CRLF and a blank-padded name",
         "TABLE /\r\n" + symbolEntryText('>', "  Car  \r") + symbolEntryText(']', ""),
         {"/>Car", "/]"},
         0},
        {"a picture cut short by the next entry is skipped, the next one read",
         "TABLE /\n" + symbolEntryText('a', "Short", false, 19) + car,
         {"/>Car (SSID -9)"},
         1,
         2},
        {"a picture cut short by the end",
         "TABLE \\\n" + symbolEntryText('a', "x", false, 5),
         {},
         1,
         2},
        {"a row too many is left between entries",
         "TABLE /\n" + symbolEntryText('a', "A", false, 21) + car,
         {"/aA", "/>Car (SSID -9)"},
         0},
        {"rows starting with # are pixels",
         "TABLE /\n" + symbolEntryText('#', "Digi", false, 20, '#'),
         {"/#Digi"},
         0},
        {"an entry before any table", car + "TABLE /\n" + car, {"/>Car (SSID -9)"}, 1, 1},
        {"the first of two pictures of a code counts",
         "TABLE /\n" + car + symbolEntryText('>', "Other"),
         {"/>Car (SSID -9)"},
         0},
        {"nothing after DONE",
         "TABLE /\n" + car + "DONE\n" + symbolEntryText('b', "B"),
         {"/>Car (SSID -9)"},
         0},
        {"no code", "TABLE /\nAPRS \n" + symbolEntryText('x', "X").substr(23), {}, 1, 2},
        {"a blank or DEL is no code; the printable ends are",
         "TABLE /\n" + symbolEntryText(' ', "Blank") + symbolEntryText('\x7f', "Del") +
             symbolEntryText('!', "Bang") + symbolEntryText('~', "Tilde"),
         {"/!Bang", "/~Tilde"},
         2,
         2},
        {"the overlay and special tables are no symbols",
         "TABLE #\n" + symbolEntryText('5', "") + "TABLE ~\n" + symbolEntryText('1', ""),
         {},
         0},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        const SymbolList::Parsed parsed = SymbolList::parse(test.text);
        std::vector<std::string> kept;
        if (parsed.list) {
            for (const SymbolEntry* entry : parsed.list->symbols()) {
                kept.push_back(std::string{entry->table, entry->code} + entry->name);
            }
        }
        EXPECT_EQ(kept, test.kept);
        EXPECT_EQ(parsed.skipped, test.skipped);
        EXPECT_EQ(parsed.firstSkippedLine, test.firstSkippedLine);
    }
}

TEST(SymbolList, PicturesArePaddedOrCutToTheirSquare) {
    std::string text = "TABLE /\nAPRS x               Ragged\n";
    text += std::string(25, 'q') + "\n" + "mm\n";
    for (int row = 2; row < 20; ++row) {
        text += "\n";
    }
    const SymbolList::Parsed parsed = SymbolList::parse(text);
    ASSERT_TRUE(parsed.list);
    const SymbolEntry* entry = parsed.list->find('/', 'x');
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(std::string(entry->pixels.data(), 20), std::string(20, 'q'));
    EXPECT_EQ(std::string(entry->pixels.data() + 20, 20), "mm" + std::string(18, '.'));
    EXPECT_EQ(entry->pixels.back(), '.');
}

TEST(SymbolList, FindsWhatAMapDrawsForTableAndCode) {
    const SymbolList list = *SymbolList::parse(testing::smallSymbolList()).list;
    struct Case {
        char table;
        char code;
        const char* name;  // null: no picture
    };
    for (const Case& test : std::vector<Case>{{'/', '[', "Jogger"},
                                              {'\\', '>', "Car (w overlay)"},
                                              {'5', '>', "Car (w overlay)"},
                                              {'0', '>', "Car (w overlay)"},
                                              {'Z', '>', "Car (w overlay)"},
                                              {'/', '>', nullptr},
                                              {'#', '5', nullptr},
                                              {'a', '>', nullptr},
                                              {'\\', '[', nullptr}}) {
        SCOPED_TRACE((std::string{test.table, test.code}));
        const SymbolEntry* entry = list.find(test.table, test.code);
        using Name = std::optional<std::string>;
        EXPECT_EQ(entry != nullptr ? Name(entry->name) : std::nullopt,
                  test.name != nullptr ? Name(test.name) : std::nullopt);
    }
    ASSERT_NE(list.overlay('5'), nullptr);
    EXPECT_EQ(list.overlay('5')->pixels.front(), 'm');
    EXPECT_EQ(list.overlay('6'), nullptr);
    EXPECT_TRUE(takesOverlay(*list.find('\\', '>')));
    EXPECT_TRUE(list.find('\\', '>')->facesLeft);
    EXPECT_FALSE(takesOverlay(*list.find('/', '[')));
    EXPECT_EQ(describeSymbol(list, '5', '>'), "Car (w overlay), overlay 5");
    EXPECT_EQ(tableName('\\'), "alternate table");
}

TEST(SymbolList, TakesOverlayAndNames) {
    struct Case {
        char table;
        const char* name;
        bool overlay;
        const char* shown;
    };
    for (const Case& test : std::vector<Case>{
             {'\\', "Car (w overlay)", true, "Car (w overlay)"},
             {'\\', "Shelter (Evacuation) w overlay", true, "Shelter (Evacuation) w overlay"},
             {'/', "Car (w overlay)", false, "Car (w overlay)"},
             {'\\', "Overlay Characters", false, "Overlay Characters"},
             {'\\', "", false, "Symbol \\x"}}) {
        SymbolEntry entry;
        entry.table = test.table;
        entry.code = 'x';
        entry.name = test.name;
        EXPECT_EQ(takesOverlay(entry), test.overlay) << test.name;
        EXPECT_EQ(symbolName(entry), test.shown);
    }
}

TEST(SymbolList, ASourceSaysWhyItHasNoListOrWhatItSkipped) {
    const std::filesystem::path folder = ::testing::TempDir();
    const auto write = [&](const char* name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
        return (folder / name).string();
    };
    // The name is shown escaped: it may come from QZ5_SYMBOLS.
    const SymbolSource missing = readSymbolList((folder / "none\n.dat").string());
    EXPECT_EQ(missing.get(), nullptr);
    EXPECT_NE(missing.notice.find("No symbol list: cannot open"), std::string::npos);
    EXPECT_NE(missing.notice.find("none\\x0a.dat"), std::string::npos) << missing.notice;

    const SymbolSource empty = readSymbolList(write("empty.dat", "# nothing\n"));
    EXPECT_EQ(empty.get(), nullptr);
    EXPECT_NE(empty.notice.find("holds no symbol pictures"), std::string::npos);

    const SymbolSource folderRead = readSymbolList(folder.string());
    EXPECT_TRUE(folderRead.notice.ends_with(
        " is not a regular file (a folder, a FIFO or a device); give a file; symbols are shown "
        "without names or pictures."))
        << folderRead.notice;

    const SymbolSource big =
        readSymbolList(write("big.dat", testing::smallSymbolList() + std::string(5 << 20, '#')));
    EXPECT_EQ(big.get(), nullptr);
    EXPECT_NE(big.notice.find("larger than 4 MiB"), std::string::npos);

    const SymbolSource skipped =
        readSymbolList(write("skipped.dat", testing::smallSymbolList() + "TABLE /\nAPRS x\n" +
                                                symbolEntryText('y', "", false, 2) + "APRS \n"));
    ASSERT_NE(skipped.get(), nullptr);
    EXPECT_NE(skipped.notice.find(": 3 bad entries skipped, the first at line"), std::string::npos)
        << skipped.notice;

    const SymbolSource whole = readSymbolList(write("whole.dat", testing::smallSymbolList()));
    ASSERT_NE(whole.get(), nullptr);
    EXPECT_EQ(whole.notice, "");
}

TEST(SymbolList, TheSystemListIsReadOnceAndItsNoticeToldOnce) {
    const std::filesystem::path file = std::filesystem::path(::testing::TempDir()) / "bad.dat";
    std::ofstream(file, std::ios::binary) << testing::smallSymbolList() << "APRS \n";
    ASSERT_EQ(setenv("QZ5_SYMBOLS", file.string().c_str(), 1), 0);
    const SymbolSource& source = systemSymbols();
    EXPECT_EQ(source.path, file.string());
    ASSERT_NE(source.get(), nullptr);
    std::filesystem::remove(file);
    EXPECT_EQ(&systemSymbols(), &source);
    EXPECT_EQ(takeSymbolNotice(), source.notice);
    EXPECT_EQ(takeSymbolNotice(), std::nullopt);
}

}  // namespace
}  // namespace qz5

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "common/outside_text.h"
#include "config/record_fields.h"
#include "config/symbols/system_symbol_list.h"
#include "support/recording_presenter.h"
#include "support/symbol_text.h"
#include "tool_process.h"
#include "tools/qz5cfg/config_json.h"
#include "tools/qz5cfg/file_commands.h"
#include "tools/qz5cfg/json_output.h"
#include "tools/qz5cfg/record_source.h"

namespace qz5 {
namespace {

using testing::runTool;
using testing::TempFolder;

std::string fromHex(std::string_view hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 3) {
        bytes += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
    }
    return bytes;
}

// The image of the default record, bytes 0..84; the rest are 0.
std::string defaultImage() {
    std::string image = fromHex(
        "2A 2A 80 80 4B 4B 13 13 78 78 00 00 1E 1E 00 00 "
        "C2 C2 41 41 03 03 4E 4E 2A 42 01 01 00 00 5B 5B "
        "2F 2F 14 14 05 05 00 00 42 48 9C 9E 86 82 98 98 "
        "60 AE 92 88 8A 62 40 62 AE 92 88 8A 64 40 63 03 "
        "F0 00 32 38 38 37 38 00 32 38 38 36 38 00 4F 56 "
        "20 51 5A 35 00 ");
    image.resize(128, '\0');
    return image;
}

TEST(FileCommands, BuildOfAnEmptyRecordWritesTheDefaultImage) {
    TempFolder folder;
    folder.write("empty.json", "{}");
    const auto run = runTool({"build", folder.path("empty.json"), folder.path("out.zb3")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(folder.read("out.zb3"), std::string("ZB3A\x80\0\0\0", 8) + defaultImage());
}

// The symbol list the tool reads while it lives.
class PinnedSymbols {
  public:
    explicit PinnedSymbols(const std::string& path) { setenv("QZ5_SYMBOLS", path.c_str(), 1); }
    ~PinnedSymbols() { unsetenv("QZ5_SYMBOLS"); }
    PinnedSymbols(const PinnedSymbols&) = delete;
    PinnedSymbols& operator=(const PinnedSymbols&) = delete;
};

constexpr const char* kInstalledSymbols = "/usr/share/xastir/symbols/symbols.dat";

TEST(FileCommands, ShowPrintsTheDecodedDefaults) {
    TempFolder folder;
    folder.write("defaults.zb3", std::string("ZB3A\x80\0\0\0", 8) + defaultImage());
    folder.write("symbols.dat", testing::smallSymbolList());
    const PinnedSymbols pinned(folder.path("symbols.dat"));
    const auto run = runTool({"show", folder.path("defaults.zb3")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");

    // Decoding the default image changes only the two quantised delays; the
    // symbol's name follows its table.
    Json expected = configToJson(TrackerConfig());
    for (auto& profile : expected["profiles"]) {
        profile["delay2Ms"] = 127;
        profile["delay3Ms"] = 526;
    }
    Json shown = parseJson(run.out);
    for (auto& profile : shown["profiles"]) {
        const auto table = profile.find("symbolTable");
        ASSERT_NE(std::next(table), profile.end());
        EXPECT_EQ(std::next(table).key(), "symbolName");
        EXPECT_EQ(profile["symbolName"], "Jogger");
        profile.erase("symbolName");
    }
    EXPECT_EQ(shown, expected) << run.out;
}

// U+009B opens a control sequence on many terminals: every JSON the tool
// prints writes the C1 controls as escapes, the same value.
TEST(FileCommands, JsonOutputWritesC1ControlsAsEscapes) {
    struct Case {
        std::string printed;
        std::string escaped;
    };
    for (const Case& c : {
             Case{"\"a\xC2\x9B"
                  "31mb\"",
                  "\"a\\u009b31mb\""},
             Case{"[\"\xC2\x80\xC2\x9F\"]", "[\"\\u0080\\u009f\"]"},
             Case{"\"\xC2\xA0\xC3\xA9\xE2\x80\x9B\"", "\"\xC2\xA0\xC3\xA9\xE2\x80\x9B\""},
         }) {
        EXPECT_EQ(escapeC1Controls(c.printed), c.escaped);
        EXPECT_EQ(Json::parse(c.escaped), Json::parse(c.printed));
    }
    TempFolder folder;
    folder.write("c1.json", R"({"profiles":[{"statusText":"\u009b31m"}]})");
    const auto run = runTool({"show", folder.path("c1.json")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"\\u009b31m\""), std::string::npos) << run.out;
}

TEST(FileCommands, ShowNamesSymbolsFromTheListOrSaysOnceThatThereIsNone) {
    TempFolder folder;
    folder.write("empty.json", "{}");
    ASSERT_EQ(runTool({"build", folder.path("empty.json"), folder.path("car.zb3"), "--set",
                       "profiles[0].symbolCode=>", "--set", "profiles[1].symbolTable=5", "--set",
                       "profiles[1].symbolCode=>"})
                  .status,
              0);
    {
        const SymbolSource installed = readSymbolList(kInstalledSymbols);
        ASSERT_NE(installed.get(), nullptr) << installed.notice;
        const PinnedSymbols pinned(kInstalledSymbols);
        const auto run = runTool({"show", folder.path("car.zb3")});
        ASSERT_EQ(run.status, 0) << run.err;
        const Json shown = parseJson(run.out);
        const std::string car = installed.get()->find('/', '>')->name;
        EXPECT_TRUE(car.starts_with("Car")) << car;
        EXPECT_EQ(shown["profiles"][0]["symbolName"], car);
        EXPECT_EQ(shown["profiles"][1]["symbolName"],
                  installed.get()->find('\\', '>')->name + ", overlay 5");
    }
    const PinnedSymbols missing(folder.path("none.dat"));
    const auto run = runTool({"show", folder.path("car.zb3")});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(parseJson(run.out)["profiles"][0]["symbolName"].is_null());
    EXPECT_EQ(run.err, "qz5cfg: No symbol list: cannot open " + folder.path("none.dat") +
                           ": No such file or directory; symbols are shown without names or "
                           "pictures.\n");
    EXPECT_EQ(runTool({"show", folder.path("car.zb3"), "--set", "profiles[0].symbolName=x"}).status,
              2);
}

TEST(FileCommands, ShowOutputBuildsTheSameFile) {
    TempFolder folder;
    // Values the image holds exactly (delays on their steps), so nothing but
    // the JSON can change them on the way.
    folder.write("record.json", R"({"calibration":77,"profiles":[
        {"callsign":"n0call-9","statusText":"caf\u00e9 \u00b0","smartBeaconing":true,
         "sbSlowRate":1234,"frequencyMHz":145.175,"symbolCode":"&","delay2Ms":100},
        {"digiPath":"WIDE2-2","slotEnable":true,"micEPath":15,"delay2Ms":100}]})");
    ASSERT_EQ(runTool({"build", folder.path("record.json"), folder.path("a.zb3")}).status, 0);
    const auto shown = runTool({"show", folder.path("a.zb3")});
    ASSERT_EQ(shown.status, 0) << shown.err;
    folder.write("shown.json", shown.out);
    ASSERT_EQ(runTool({"build", folder.path("shown.json"), folder.path("b.zb3")}).status, 0);
    EXPECT_EQ(folder.read("a.zb3"), folder.read("b.zb3"));

    const Json record = parseJson(shown.out);
    EXPECT_EQ(record["profiles"][0]["statusText"], "caf\u00e9 \u00b0");
    EXPECT_EQ(record["profiles"][0]["frequencyMHz"].dump(), "145.175");
    EXPECT_EQ(record["profiles"][0]["sbSlowRate"], 1234);
}

TEST(FileCommands, FileFailuresExitOneWithTheirMessages) {
    TempFolder folder;
    const std::string header("ZB3A\x80\0\0\0", 8);
    folder.write("magic.zb3", "ZB3B" + header.substr(4) + defaultImage());
    folder.write("length.zb3", header.substr(0, 4) + std::string("\x81\0\0\0", 4) + defaultImage());
    folder.write("short.zb3", header + defaultImage().substr(0, 100));
    folder.write("empty.json", "{}");

    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    const std::vector<Case> cases = {
        {{"show", folder.path("missing.zb3")},
         "Load Failed: Failed to open file\ncannot open " + folder.path("missing.zb3") +
             ": No such file or directory\n"},
        {{"show", folder.path("odd\x1b]0;\xff\n.zb3")},
         "Load Failed: Failed to open file\ncannot open " +
             folder.path("odd\\x1b]0;\\xff\\x0a.zb3") + ": No such file or directory\n"},
        {{"show", folder.path("magic.zb3")}, "Load Failed: Invalid File Format\n"},
        {{"show", folder.path("length.zb3")}, "Load Failed: Invalid File Format\n"},
        {{"show", folder.path("short.zb3")}, "Load Failed: Failed to read data\n"},
        {{"build", folder.path("empty.json"), folder.path("no/such/folder.zb3")},
         "Save Failed: Failed to open file\n" + folder.path("no/such/folder.zb3") +
             ": No such file or directory\n"},
        {{"build", folder.path("empty.json"), folder.path("")},
         "Save Failed: Failed to open file\n" + folder.path("") + ": Is a directory\n"},
        {{"build", folder.path("\x1b[2J.json"), folder.path("out.zb3")},
         "qz5cfg: cannot open " + folder.path("\\x1b[2J.json") + ": No such file or directory\n"},
        {{"build", folder.path("missing.json"), folder.path("out.zb3")},
         "qz5cfg: cannot open " + folder.path("missing.json") + ": No such file or directory\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        const auto run = runTool(c.args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, c.err);
    }
    EXPECT_FALSE(folder.exists("out.zb3"));
}

// Bad records and inputs that are no files: exit 2, a message that shows
// every byte it quotes, nothing written, and no wait for a writer.
TEST(FileCommands, BadRecordsAndInputsExitTwoAndWriteNothing) {
    TempFolder folder;
    folder.write("long.json", R"({"profiles":[{"callsign":"ABCDEFGHIJKLMNOPQRST"}]})");
    folder.write("syntax.json", "{\n  \"calibration\": 12,\n}\n");
    folder.write("array.json", "[1, 2]");
    folder.write("huge.json", R"({"calibration": 1e400})");
    folder.write("escape.json", R"({"profiles":[{"\u001b]0;OWN\u0007x": 1}]})");
    folder.write("bytes.json", "{\"\xff\x1b[31m\": 1}");
    folder.write("twice.json", R"({"calibration": 1, "calibration": 2})");
    folder.write("twice-in-profile.json",
                 R"({"profiles":[{}, {"callsign": "A", "callsig\u006e": "B"}]})");
    ASSERT_EQ(mkfifo(folder.path("fifo.json").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo(folder.path("fifo.zb3").c_str(), 0600), 0);
    const auto build = [&](const std::string& in) {
        return std::vector<std::string>{"build", folder.path(in), folder.path("out.zb3")};
    };
    const std::string notAFile =
        " is not a regular file (a folder, a FIFO or a device); give a file.";
    struct Case {
        std::vector<std::string> args;
        std::string err;  // all of it, or its start when it ends in "..."
    };
    const std::vector<Case> cases = {
        {build("long.json"), "qz5cfg: " + folder.path("long.json") +
                                 ": profiles[0].callsign: longer than 19 characters\n"},
        {build("syntax.json"),
         "qz5cfg: " + folder.path("syntax.json") + ": parse error at line 3, column 1:..."},
        {build("array.json"),
         "qz5cfg: " + folder.path("array.json") + ": expected a JSON object\n"},
        {build("huge.json"),
         "qz5cfg: " + folder.path("huge.json") + ": number overflow parsing '1e400'\n"},
        {build("escape.json"), "qz5cfg: " + folder.path("escape.json") +
                                   ": profiles[0].\\x1b]0;OWN\\x07x: unknown field\n"},
        {build("bytes.json"), "qz5cfg: " + folder.path("bytes.json") + ": parse error..."},
        {build("twice.json"),
         "qz5cfg: " + folder.path("twice.json") + ": \"calibration\" named twice in the record\n"},
        {{"show", folder.path("twice-in-profile.json")},
         "qz5cfg: " + folder.path("twice-in-profile.json") +
             ": \"callsign\" named twice in profiles[1]\n"},
        {{"write", "--port", "/dev/null", folder.path("twice.json")},
         "qz5cfg: " + folder.path("twice.json") + ": \"calibration\" named twice in the record\n"},
        {build("fifo.json"), "qz5cfg: " + folder.path("fifo.json") + notAFile + "\n"},
        {build(""), "qz5cfg: " + folder.path("") + notAFile + "\n"},
        {{"show", folder.path("fifo.zb3")},
         "Load Failed: Failed to open file\n" + folder.path("fifo.zb3") + notAFile + "\n"},
        {{"write", "--port", "/dev/null", folder.path("fifo.zb3")},
         "Load Failed: Failed to open file\n" + folder.path("fifo.zb3") + notAFile + "\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[1]);
        const auto run = runTool(c.args);
        EXPECT_EQ(run.status, 2);
        if (c.err.ends_with("...")) {
            EXPECT_EQ(run.err.rfind(c.err.substr(0, c.err.size() - 3), 0), 0u) << run.err;
        } else {
            EXPECT_EQ(run.err, c.err);
        }
        std::string lines = run.err;
        std::erase(lines, '\n');
        EXPECT_EQ(printableText(lines), lines);
    }
    EXPECT_FALSE(folder.exists("out.zb3"));
}

TEST(FileCommands, TruncatedStatusTextIsReportedAndStillSaved) {
    TempFolder folder;
    folder.write("long.json", R"({"profiles":[{"statusText":")" + std::string(100, 'a') +
                                  R"("},{"statusText":")" + std::string(100, 'b') + R"("}]})");
    const auto run = runTool({"build", folder.path("long.json"), folder.path("out.zb3")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err,
              "Status Beacon Text Truncated: The Primary or Secondary Status Beacon text is too "
              "long and has been tuncated.  To have a longer status beacon text, use fewer "
              "digipeaters, and make the primary and secondary callsigns, digipeaters, or status "
              "texts identical.\n");
    EXPECT_EQ(folder.read("out.zb3").size(), 136u);
}

TEST(FileCommands, UsageErrorsExitTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"show"},
        {"show", "a.zb3", "extra"},
        {"build", "only.json"},
        {"version"},
        {"read", "--port", "COM1"},
        {"read", "--port", "COM1", "--json", "out.zb3"},
        {"write", "--port", "COM1"},
        {"version", "--port", "ttyUSB0"},
        {"version", "--port", "COM256"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const auto run = runTool(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err, "");
    }
    EXPECT_EQ(
        runTool({"version", "--port", "COM0"}).err,
        "qz5cfg: --port COM0: expected COM1..COM255, auto, or a device path starting with '/'\n");
}

TEST(FileCommands, HelpDescribesEveryCommandAndTheJsonForm) {
    const auto run = runTool({"--help"});
    EXPECT_EQ(run.status, 0);
    for (const char* text :
         {"show FILE", "build JSON_FILE", "version --port", "read --port", "--json", "write --port",
          "--emergency-ok", "Exit status", "\"profiles\"", "U+00FF"}) {
        EXPECT_NE(run.out.find(text), std::string::npos) << text;
    }
    // Every field of a profile, in the table's order, each followed by ',' or '.'.
    const std::size_t start = run.out.find("  Each profile object");
    std::size_t at = start;
    forEachProfileField([&](const FieldInfo& field, auto) {
        const std::size_t found = run.out.find(std::string(" ") + field.name, at);
        ASSERT_NE(found, std::string::npos) << field.name;
        at = found + std::strlen(field.name) + 1;
        EXPECT_TRUE(run.out[at] == ',' || run.out[at] == '.') << field.name;
    });
    // The paragraph is filled like the rest: lines of up to 77 characters,
    // indented by two, and none with room left for the next line's first word.
    std::istringstream paragraph(run.out.substr(start, at + 2 - start));
    std::vector<std::string> lines;
    for (std::string line; std::getline(paragraph, line);) {
        EXPECT_TRUE(line.size() <= 77 && line.starts_with("  ") && line[2] != ' ' &&
                    !line.ends_with(' '))
            << '"' << line << '"';
        const std::size_t firstWord = std::min(line.find(' ', 2), line.size()) - 2;
        if (!lines.empty()) {
            EXPECT_GT(lines.back().size() + 1 + firstWord, 77u) << line;
        }
        lines.push_back(line);
    }
}

// The check goes on without countries; the reason is said once, however
// many checks the command makes.
TEST(FileCommands, APrefixListThatCannotBeReadIsSaidOnce) {
    TempFolder folder;
    folder.write("a.json", "{}");
    ASSERT_EQ(::mkfifo(folder.path("fifo").c_str(), 0600), 0);
    for (const std::string& list :
         {folder.path(""), folder.path("fifo"), std::string("/dev/zero")}) {
        SCOPED_TRACE(list);
        ::setenv("QZ5_PREFIX_LIST", list.c_str(), 1);
        const testing::ToolRun run = runTool({"check", folder.path("a.json")});
        ::unsetenv("QZ5_PREFIX_LIST");
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.out.find("callsign-placeholder"), std::string::npos);
        const std::string said = "qz5cfg: no callsign-prefix list: " + list;
        EXPECT_NE(run.err.find(said), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find(said), run.err.rfind(said));
    }
}

// A full disk or a closed pipe on stdout is said, whichever command prints.
TEST(FileCommands, OutputThatCannotBeWrittenIsSaid) {
    TempFolder folder;
    folder.write("a.json", "{}");
    folder.write("b.json", R"({"profiles":[{"callsign":"K1ABC"}]})");
    const std::vector<std::vector<std::string>> commands = {
        {"show", "DIR/a.zb3"},
        {"diff", "DIR/a.json", "DIR/b.json"},
        {"check", "DIR/a.json"},
        {"history", "--json"},
        {"--help"},
        {"--version"},
    };
    ASSERT_EQ(runTool({"build", folder.path("a.json"), folder.path("a.zb3")}).status, 0);
    for (std::vector<std::string> args : commands) {
        SCOPED_TRACE(args[0]);
        for (std::string& arg : args) {
            if (arg.starts_with("DIR/")) {
                arg = folder.path(arg.substr(4));
            }
        }
        const testing::ToolRun run = testing::runToolWithOutput(args, "/dev/full");
        EXPECT_NE(run.status, 0);
        EXPECT_NE(run.err.find("qz5cfg: cannot write the output"), std::string::npos) << run.err;
    }
}

TEST(FileCommands, UnwritableOutputIsAFailure) {
    testing::RecordingPresenter presenter;
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    EXPECT_EQ(printRecord(TrackerConfig(), out), ExitStatus::Failed);
    EXPECT_EQ(presenter.texts(), std::vector<std::string>{"cannot write the output"});
}

}  // namespace
}  // namespace qz5

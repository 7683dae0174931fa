// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/qz5cfg/help_text.h"

#include <algorithm>
#include <string_view>

#include "config/check/finding.h"
#include "config/record_fields.h"
#include "config/timing/smart_beaconing_presets.h"
#include "tools/qz5cfg/platform_commands.h"
#include "tools/qz5cfg/reader_language.h"

namespace qz5 {

namespace {

constexpr const char* kCommandsHelp = QZ5_TEXT("Cli", R"(Commands in detail:
  show FILE              reads FILE as the window's Load does and prints the
                         record (defaults, then the file's image) as JSON; a
                         JSON record (FILE ending in .json) is shown as a
                         configuration file would hold it
  build JSON_FILE OUT    applies the JSON record to the defaults and saves it
                         as the window's Save does (136 bytes: "ZB3A", 128,
                         the image); a truncated status text is reported and
                         the file is still written. --strict checks the
                         record first and saves nothing when a finding is an
                         error (exit status 1)
  version --port P       prints the tracker's version reply
  read --port P OUT      reads the image twice, requires 128 equal bytes that
                         decode, and saves exactly the tracker's bytes to OUT
  read --port P --json   or prints the decoded record as JSON
  write --port P IN      IN is a configuration file, whose image is sent
                         exactly as it is, or a JSON record when its name ends
                         in .json, which is encoded; the image is written and
                         read back to verify it. A profile whose micEStatus is
                         7 (Emergency!), or any value whose low byte is 7, is
                         refused, with the window's question as the reason,
                         unless --emergency-ok is given. Before sending, the
                         tracker's current image is read into the history
                         (about two seconds); if that read fails nothing is
                         written. --no-backup skips it. --strict sends
                         nothing when a finding of the check is an error
                         (exit status 1). Once written, every setting the
                         write changed on the tracker is printed on stdout,
                         as --dry-run prints it (nothing with --no-backup).
  diff A B               compares the settings of A and B, each a
                         configuration file, a JSON record (as it would be
                         written) or tracker:PORT (read from the tracker), and
                         prints every field that differs by its JSON name:
                         "profiles[1].statusText: "a" -> "b""; a symbol's
                         line adds the symbol list's names for both sides.
                         When only the image bytes differ, it says so in one
                         line.
  history                lists the images kept in the history, the one stored
                         last first: time (UTC), direction, port, version,
                         file. --json prints a JSON array: sequence, time,
                         kind, port, version, callsigns and file (a file that
                         does not read has "problem" in place of callsigns)
  history show N         prints the record of the image whose name begins
                         with the sequence number N as JSON, as show does;
                         write --port P FILE puts it back on a tracker. When
                         N begins more than one name, it names them all
                         (exit status 2)
  check SOURCE           checks a configuration file, a JSON record or
                         tracker:PORT against APRS practice and against what
                         the tracker keeps, and prints one line per finding,
                         most severe first: "severity  rule  field  message"
                         (error: it cannot work or harms the network;
                         warning: it goes against practice; note: worth
                         knowing). A symbol table that is not /, \ or an
                         overlay character, or a symbol the symbol list has
                         no picture for, is a warning naming the list.
                         --json prints them as a JSON array;
                         --ignore RULE leaves a rule out. write prints the
                         same findings on stderr before it sends, and writes
                         all the same unless --strict is given.
  --set FIELD=VALUE      (show, build, write; repeatable) sets a field by its
                         JSON name, "calibration" or "profiles[N].NAME", split
                         at the first '='; a text is taken as it stands, other
                         values as JSON (true, 5, 144.8). The record is then
                         encoded as the window's Write does, so every other
                         setting stays as it was. activeProfile,
                         calibrationChanged, slotDivides60/600 and
                         symbolName cannot be set.
  --preset N=NAME        (build, write, timing; repeatable) sets profile N's
                         (1 Primary, 2 Secondary) SmartBeaconing to a preset
                         NAME, in any letter case, and turns SmartBeaconing
                         on, the time slot and the sent value off, as the
                         window's box does; applied before any --set. The
                         presets are listed below.
  timing FILE            prints when the tracker sends its beacons, for each
                         profile of a configuration file or JSON record (the
                         defaults without FILE), for those --preset sets, or
                         for --profile N (0 Primary, 1 Secondary): with
                         SmartBeaconing off the transmit rate (in its time
                         slot when one is on); with it on a row of speeds
                         from standing still to above the high speed, each
                         with its interval, beacons per hour and turn
                         threshold, by the published SmartBeaconing rules
                         (at or below the low speed the slow rate and no turn
                         beacons, at or above the high speed the fast rate,
                         between them fast rate x high speed / speed; turn
                         angle + turn slope / speed, no sooner than the turn
                         time). Seconds and degrees are rounded, halves up;
                         speeds are in the tracker's own unit. A
                         SmartBeaconing speeds or rates finding of check is
                         shown instead of rows. --json prints an array of
                         one object a profile.
  write --dry-run        reads the tracker's image into the history as the
                         backup, prints on stdout every setting the write
                         would change (as diff) and the findings on stderr,
                         and sends nothing. Exit status: 0 nothing would
                         change, 1 something would, 2 trouble.
)");

constexpr const char* kFooterBeforeFields = QZ5_TEXT("Cli", R"(
History: every image read from or written to a tracker (by qz5cfg or the
window) is kept as a configuration file in $XDG_STATE_HOME/qz5-config/history
(by default ~/.local/state/qz5-config/history); the 1000 stored last are kept,
in the order of the sequence number that begins each name, whatever the clock
says. The folders from the state base down must be yours and closed to other
writers. If an image cannot be stored, a warning goes to stderr and the
command goes on; but a write whose backup cannot be kept sends nothing
(--no-backup writes without it).

Trace: --trace FILE (before or after the command) writes every open, close,
rate change and byte on the line, timed in seconds since the start with
millisecond resolution, "tx" sent to the tracker and "rx" received from it.
The file is opened when a command first talks to a tracker; it must be a
regular file (no terminal, pipe or device), and one it creates is readable by
you alone. A trace that cannot be written is said after the exchange.

Messages go to stderr as "Caption: text" (the text alone when it has no
caption). The version reply and JSON records go to stdout. A successful read
or write says "Zelbin3 Read: Read Successful" or "Zelbin3 Write: Write
Successful" on stderr. When stderr is a terminal, version, read and write
also show their steps there ("Writing the configuration: 64 of 132 bytes")
on one line that is rewritten in place and wiped at the end; --quiet turns
that off.

Exit status:
  0  done
  1  the file or device operation failed (its message says which), a JSON
     file could not be read, or the trace file cannot be written
  2  usage error, invalid JSON record, an input that is no regular file (a
     folder, a FIFO, a device), a write of an Emergency Mic-E status
     without --emergency-ok (nothing is sent to the tracker), or a history
     show N whose number more than one image bears
  diff follows diff(1) instead: 0 the settings are equal, 1 they differ,
  2 trouble (a side could not be read, or a usage error)
  check: 0 no warning or error, 1 at least one, 2 trouble (an unknown rule
  for --ignore, a source that could not be read)
  write --dry-run: 0 nothing would change, 1 something would, 2 trouble
  A --set that names no settable field or gives a value of the wrong type
  exits with 2, and nothing is written.

Callsign prefixes: check names the country of a callsign from the list that
amateur loggers use, cty.dat (/usr/share/hamradio-files/cty.dat, or beside
the program on Windows; QZ5_PREFIX_LIST names another file). Without it, no
finding depends on the country.

Symbols: show, diff and check name a symbol from the list of symbol pictures
of an APRS client's data (/usr/share/xastir/symbols/symbols.dat from
xastir-data, or beside the program on Windows; QZ5_SYMBOLS names another
file). Without it, names are null and a line on stderr says so once.

JSON form (show and read --json print it; build and write accept it):
  {
    "activeProfile": 0,            0 or 1
    "calibration": 128,
    "calibrationChanged": false,
    "profiles": [ {Primary}, {Secondary} ]
  }
)");

constexpr const char* kFooterAfterFields =
    QZ5_TEXT("Cli", R"(  Integers are JSON integers (32-bit signed); flags are true or false.
  Texts are strings in which each character U+0000..U+00FF stands for one
  byte: callsign up to 19 characters, digiPath up to 99, statusText up to 199.
  symbolCode and symbolTable are one-character strings ("" for a zero byte).
  symbolName, printed after symbolTable, is the symbol list's name for the
  symbol, or null; it is for people: build and write pass over it.
  frequencyMHz is a number in MHz (at most 10000000 either side of 0),
  printed as the shortest decimal that gives back the same 32-bit float
  (144.39).
  For build and write every field is optional: absent fields keep the
  defaults, and "profiles" may hold fewer than two objects, each partial. An
  unknown field, a wrong type, an integer outside the 32-bit range, a text
  too long for its field or a symbol of more than one character is an error
  that names the field; a key given twice in one object is an error that
  names the key and its object. Printed JSON writes the control characters
  U+0080..U+009F as \u0080..\u009f escapes.
)");

// Broken at spaces into lines of the width of the rest of the help.
std::string wrapped(const std::string& sentence) {
    constexpr std::size_t kWidth = 77;
    constexpr std::string_view kIndent = "  ";
    std::string text;
    std::string line(kIndent);
    std::size_t start = 0;
    while (start < sentence.size()) {
        const std::size_t end = std::min(sentence.find(' ', start), sentence.size());
        const std::string word = sentence.substr(start, end - start);
        if (line.size() > kIndent.size() && columnsOf(line) + 1 + columnsOf(word) > kWidth) {
            text += line + '\n';
            line = kIndent;
        }
        if (line.size() > kIndent.size()) {
            line += ' ';
        }
        line += word;
        start = end + 1;
    }
    return text + line + '\n';
}

// The paragraph that names the fields, from the record's own table.
std::string fieldParagraph() {
    std::string names;
    forEachProfileField([&](const FieldInfo& field, auto) {
        names += (names.empty() ? "" : ", ") + std::string(field.name);
    });
    return wrapped(shown(say("Cli",
                             "Each profile object holds every per-profile field under its own "
                             "name, in this order: %1.")
                             .with(names)));
}

}  // namespace

std::string rulesHelp() {
    std::string names;
    for (const std::string_view name : ruleNames()) {
        names += (names.empty() ? "" : ", ") + std::string(name);
    }
    return wrapped(shown(say("Cli", "Rules: %1.").with(names))) + '\n';
}

// The presets' values, from their own table.
std::string presetParagraph() {
    std::string text =
        '\n' +
        shown(say("Cli", "SmartBeaconing presets (speeds in %1, as the record's defaults):")
                  .with(kPresetSpeedUnit)) +
        '\n';
    for (const SmartBeaconingPreset& preset : kSmartBeaconingPresets) {
        text += wrapped(shown(
            say("Cli", "%1.", "a preset's values as a sentence").with(describePreset(preset))));
    }
    return text;
}

std::string helpFooter() {
    return shown(say("Cli", kCommandsHelp)) + portsHelp() + presetParagraph() +
           shown(say("Cli", kFooterBeforeFields)) + fieldParagraph() +
           shown(say("Cli", kFooterAfterFields));
}

}  // namespace qz5

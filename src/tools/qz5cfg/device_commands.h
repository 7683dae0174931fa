// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "config/config_image.h"
#include "tools/qz5cfg/diff_command.h"
#include "tools/qz5cfg/exit_status.h"
#include "tools/qz5cfg/field_setting.h"

namespace qz5 {

class CommandSet;
class SerialLink;

// Each command probes for the tracker first (4800, then 9600 bit/s) on the
// link's port, with the window's steps and messages. Every image read or
// written is kept in the history.

// Prints the tracker's version reply.
ExitStatus runVersion(SerialLink& link, std::ostream& out);

// Reads the image twice and requires 128 equal bytes that decode; "Read
// Failed" otherwise. Kept in the history as read.
ExitStatus readTrackerImage(SerialLink& link, ConfigImage& image);

// Reads the image and saves exactly the tracker's bytes to `outPath`, or
// prints the decoded record as JSON when no path is given.
ExitStatus runRead(SerialLink& link, const std::optional<std::string>& outPath, std::ostream& out);

struct WriteOptions {
    bool emergencyOk = false;    // an Emergency Mic-E status needs this
    bool backup = true;          // read the tracker's image into the history first
    bool strict = false;         // a finding of severity error stops it
    RecordChanges changes = {};  // applied as applySettings does
};

// Writes a configuration file's image exactly as it is, or a JSON record
// encoded, with the verified write; with changes, the record they give,
// encoded as Write does. The file is decoded first, to check it and to ask
// about an Emergency status; unattended, the question is answered Cancel and
// only `emergencyOk` says yes. The check's findings go to `findings` before
// anything is sent; only with `strict` does an error among them stop the
// write (Failed, nothing sent). Once written, every setting the write changed
// on the tracker goes to `out` as previewWrite prints it; without the backup
// there is nothing to compare with, and nothing is printed.
ExitStatus runWrite(SerialLink& link, const std::string& inPath, const WriteOptions& options,
                    std::ostream& out, std::ostream& findings);

// What runWrite would do, without sending: the backup read into the history,
// then on `out` every setting the write would change (as diff prints them),
// then the findings. Same: nothing would change; Different: the tracker's
// image would; Trouble: a read or the input failed.
DiffStatus previewWrite(SerialLink& link, const std::string& inPath, const RecordChanges& changes,
                        std::ostream& out, std::ostream& findings);

// The sub-commands version, read and write, which talk to a tracker.
void addVersionCommand(CommandSet& commands);
void addReadCommand(CommandSet& commands);
void addWriteCommand(CommandSet& commands);

}  // namespace qz5

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/outcome.h"
#include "config/config_image.h"
#include "config/history.h"

namespace qz5 {

class SerialLink;
class TrackerConfig;
class TrackerFrontEnd;

inline constexpr const char* kVersionCaption = QZ5_TEXT("Workflow", "Zelbin3 Version");
inline constexpr const char* kWriteCaption = QZ5_TEXT("Workflow", "Zelbin3 Write");

// How a write that did not fail ended.
enum class WriteOutcome {
    Written,
    Declined,  // the Emergency question was not answered Ok; nothing was sent
    Stopped,   // the front end had no image to send; nothing was sent
};

// A write that did not fail, and once Written the image the tracker holds.
struct WriteResult {
    WriteOutcome ended = WriteOutcome::Written;
    std::optional<ConfigImage> image;
};

// The steps of every device command, once for the window and qz5cfg: the probe
// at 4800 then 9600 bit/s, the image read twice, the checks on what came back,
// the history, the Emergency question, the verified write and the messages.
// Each command talks to the tracker through the front end in one go; the rest,
// decoding and history included, runs on the calling thread. Every message a
// command raises comes back in its outcome, in order, for the front end to
// show, beside what the command produced; the Emergency question, the image to
// send and the talk on the link are the calls it makes to the front end.
class TrackerWorkflow {
  public:
    // The image to write, asked once the Emergency question is answered;
    // nothing stops the write before anything is sent.
    using Prepare = std::function<std::optional<ConfigImage>()>;

    TrackerWorkflow(SerialLink& link, TrackerFrontEnd& frontEnd)
        : link_(link), frontEnd_(frontEnd) {}

    // The tracker's version reply, at most 29 characters.
    Outcome<std::string> readVersion();

    // Reads the image twice, requires 128 equal bytes and decodes them into
    // `record`; "Read Failed" otherwise, the record left as it was. The image
    // is kept in the history under `direction`; a "backup" is named as a
    // step of a write. No message of its own on success.
    Outcome<ConfigImage> readImage(TrackerConfig& record, std::string_view direction);

    // readImage as a read; "Read Successful" ends its messages.
    Outcome<ConfigImage> readConfiguration(TrackerConfig& record);

    // Asks before a record that sends an Emergency message, takes the image
    // from `prepare`, writes it and reads it back; the image goes into the
    // history and the record becomes its decoding; "Write Successful" ends
    // its messages.
    Outcome<WriteResult> writeConfiguration(TrackerConfig& record, const Prepare& prepare);

    // Where the history kept the image of the last read or write; none when
    // it did not.
    const std::optional<KeptFile>& kept() const { return kept_; }
    // Why the history did not keep that image; empty when it did.
    const Text& whyNotKept() const { return notKept_; }
    // Its English, for the callers that still glue it into their own words.
    const std::string& notKept() const { return notKept_.english(); }
    // Whether the tracker answered the probe of the last read.
    bool answered() const { return answered_; }

  private:
    // Keeps the image in the history; its warnings join `raised`.
    void keep(const HistoryImage& entry, Notices& raised);

    SerialLink& link_;
    TrackerFrontEnd& frontEnd_;
    HistoryWarnings historyWarnings_;
    std::optional<KeptFile> kept_;
    Text notKept_;
    bool answered_ = false;
};

}  // namespace qz5

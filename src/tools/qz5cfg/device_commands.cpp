#include "tools/qz5cfg/device_commands.h"

#include <ostream>
#include <string_view>

#include "common/outside_text.h"
#include "config/check/config_check.h"
#include "config/check/system_prefix_list.h"
#include "config/config_file.h"
#include "config/tracker_config.h"
#include "tools/qz5cfg/check_command.h"
#include "tools/qz5cfg/field_setting.h"
#include "tools/qz5cfg/record_source.h"
#include "workflow/tracker_front_end.h"
#include "workflow/tracker_workflow.h"

namespace qz5 {

namespace {

// The command line's side: the steps run right here (a progress line, where
// one shows, follows the link's own callback), and the Emergency question is
// asked, which unattended means Cancel.
class CommandLine final : public TrackerFrontEnd {
  public:
    // --emergency-ok: the question is answered before it is asked.
    void allowEmergency() { emergencyOk_ = true; }

    void talk(std::string_view /*title*/, const std::function<void()>& steps) override { steps(); }

    MessageAnswer answerEmergency(std::string_view question, std::string_view caption) override {
        return emergencyOk_ ? MessageAnswer::Ok
                            : showMessage(question, caption, MessageButtons::OkCancel);
    }

  private:
    bool emergencyOk_ = false;
};

// The record and image a write would send: the input with its settings.
ExitStatus loadWritten(const std::string& inPath, const std::vector<std::string>& settings,
                       TrackerConfig& record, ConfigImage& image) {
    const ExitStatus status = loadImage(inPath, record, image);
    return status == ExitStatus::Ok ? applySettings(settings, record, &image) : status;
}

}  // namespace

ExitStatus runVersion(SerialLink& link, std::ostream& out) {
    CommandLine commandLine;
    const Outcome<std::string> reply = TrackerWorkflow(link, commandLine).readVersion();
    if (showOutcome(reply) != ExitStatus::Ok) {
        return ExitStatus::Failed;
    }
    // The tracker ends its reply with a line break of its own; print one line.
    std::string_view text(*reply);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) {
        text.remove_suffix(1);
    }
    out << printableText(text) << '\n';
    return finishOutput(out);
}

ExitStatus readTrackerImage(SerialLink& link, ConfigImage& image) {
    CommandLine commandLine;
    TrackerConfig record;
    const Outcome<ConfigImage> read = TrackerWorkflow(link, commandLine).readImage(record, "read");
    if (read) {
        image = *read;
    }
    return showOutcome(read);
}

ExitStatus runRead(SerialLink& link, const std::optional<std::string>& outPath, std::ostream& out) {
    CommandLine commandLine;
    TrackerConfig record;
    const Outcome<ConfigImage> image =
        TrackerWorkflow(link, commandLine).readConfiguration(record, [](const ConfigImage&) {});
    if (showOutcome(image) != ExitStatus::Ok) {
        return ExitStatus::Failed;
    }
    if (outPath) {
        // The tracker's own bytes: decoding and encoding again would move a delay.
        return showOutcome(writeConfigImage(*outPath, *image));
    }
    return printRecord(record, out);
}

ExitStatus runWrite(SerialLink& link, const std::string& inPath, const WriteOptions& options,
                    std::ostream& findings) {
    TrackerConfig record;
    ConfigImage image{};
    if (const ExitStatus status = loadWritten(inPath, options.settings, record, image);
        status != ExitStatus::Ok) {
        return status;
    }
    printFindings(checkConfig(record, systemPrefixList()), findings);
    findings << std::flush;
    CommandLine commandLine;
    if (options.emergencyOk) {
        commandLine.allowEmergency();
    }
    TrackerWorkflow tracker(link, commandLine);
    const auto backupFirst = [&]() -> std::optional<ConfigImage> {
        TrackerConfig current;
        if (options.backup && showOutcome(tracker.readImage(current, "backup")) != ExitStatus::Ok) {
            reportToolError(
                "nothing written: the tracker's current configuration could not be read into "
                "the history first; give --no-backup to write without that copy");
            return std::nullopt;
        }
        return image;
    };
    const Outcome<WriteOutcome> written =
        tracker.writeConfiguration(record, backupFirst, [](const ConfigImage&) {});
    if (showOutcome(written) != ExitStatus::Ok) {
        return ExitStatus::Failed;
    }
    switch (*written) {
        case WriteOutcome::Written:
            return ExitStatus::Ok;
        case WriteOutcome::Declined:
            reportToolError("nothing written; give --emergency-ok to write an Emergency status");
            return ExitStatus::Usage;
        case WriteOutcome::Stopped:
            break;
    }
    return ExitStatus::Failed;
}

DiffStatus previewWrite(SerialLink& link, const std::string& inPath,
                        const std::vector<std::string>& settings, std::ostream& out,
                        std::ostream& findings) {
    TrackerConfig record;
    ConfigImage image{};
    if (loadWritten(inPath, settings, record, image) != ExitStatus::Ok) {
        return DiffStatus::Trouble;
    }
    CommandLine commandLine;
    TrackerConfig current;
    const Outcome<ConfigImage> backup =
        TrackerWorkflow(link, commandLine).readImage(current, "backup");
    if (showOutcome(backup) != ExitStatus::Ok) {
        return DiffStatus::Trouble;
    }
    const DiffStatus compared = compareImages(*backup, image, out);
    printFindings(checkConfig(record, systemPrefixList()), findings);
    findings << std::flush;
    if (compared == DiffStatus::Trouble) {
        return compared;
    }
    // Bytes the tracker would get anew count, even when they decode the same.
    return *backup == image ? DiffStatus::Same : DiffStatus::Different;
}

}  // namespace qz5

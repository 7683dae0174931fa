#include "tools/qz5cfg/file_commands.h"

#include <ostream>

#include "common/outside_text.h"
#include "config/config_file.h"
#include "config/history.h"
#include "config/tracker_config.h"
#include "tools/qz5cfg/check_command.h"
#include "tools/qz5cfg/field_setting.h"
#include "tools/qz5cfg/record_source.h"

namespace qz5 {

ExitStatus runShow(const std::string& path, const std::vector<std::string>& settings,
                   std::ostream& out) {
    TrackerConfig config;
    ConfigImage image{};
    ExitStatus status = loadImage(path, config, image);
    if (status == ExitStatus::Ok) {
        status = applySettings(settings, config, &image);
    }
    if (status != ExitStatus::Ok) {
        return status;
    }
    // A JSON record shows as its file would hold it: texts cut, values clamped.
    TrackerConfig written;
    static_cast<void>(written.decodeImage(image));  // a whole image always decodes
    return printRecord(written, out);
}

ExitStatus runBuild(const std::string& jsonPath, const std::vector<std::string>& settings,
                    const std::string& outPath, bool strict, std::ostream& findings) {
    TrackerConfig config;
    ExitStatus status = loadJsonRecord(jsonPath, config);
    if (status == ExitStatus::Ok) {
        status = applySettings(settings, config, nullptr);
    }
    if (status != ExitStatus::Ok) {
        return status;
    }
    if (strict && stopsStrictly(config, true, "nothing saved", findings)) {
        return ExitStatus::Failed;
    }
    return writeConfigFile(outPath, config) ? ExitStatus::Failed : ExitStatus::Ok;
}

ExitStatus runHistory(std::ostream& out) {
    for (const HistoryEntry& entry : listHistory()) {
        // Anyone may have put a file of that shape into the folder.
        out << printableText(entry.time) << "  " << printableText(entry.direction) << "  "
            << printableText(entry.port) << "  " << printableText(entry.version) << "  "
            << printableText(entry.file.string()) << '\n';
    }
    return finishOutput(out);
}

}  // namespace qz5

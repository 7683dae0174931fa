#include "tools/qz5cfg/file_commands.h"

#include <ostream>

#include "common/outside_text.h"
#include "config/config_file.h"
#include "config/history.h"
#include "config/tracker_config.h"
#include "tools/qz5cfg/record_source.h"

namespace qz5 {

ExitStatus runShow(const std::string& path, std::ostream& out) {
    TrackerConfig config;
    if (const ExitStatus status = loadFileRecord(path, config); status != ExitStatus::Ok) {
        return status;
    }
    return printRecord(config, out);
}

ExitStatus runBuild(const std::string& jsonPath, const std::string& outPath) {
    TrackerConfig config;
    if (const ExitStatus status = loadJsonRecord(jsonPath, config); status != ExitStatus::Ok) {
        return status;
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

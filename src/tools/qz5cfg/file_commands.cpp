#include "tools/qz5cfg/file_commands.h"

#include <ostream>

#include "config/config_file.h"
#include "config/history.h"
#include "config/tracker_config.h"
#include "tools/qz5cfg/record_source.h"

namespace qz5 {

ExitStatus runShow(const std::string& path, std::ostream& out) {
    TrackerConfig config;
    if (readConfigFile(path, config)) {
        return ExitStatus::Failed;
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
        out << entry.time << "  " << entry.direction << "  " << entry.port << "  " << entry.version
            << "  " << entry.file.string() << '\n';
    }
    return finishOutput(out);
}

}  // namespace qz5

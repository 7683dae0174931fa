#include "tools/qz5cfg/file_commands.h"

#include <ostream>

#include "config/config_file.h"
#include "config/tracker_config.h"
#include "tools/qz5cfg/field_setting.h"
#include "tools/qz5cfg/record_source.h"

namespace qz5 {

ExitStatus runShow(const std::string& path, const std::vector<std::string>& settings,
                   std::ostream& out) {
    TrackerConfig config;
    ConfigImage image{};
    if (const ExitStatus status = loadFileRecord(path, config, &image); status != ExitStatus::Ok) {
        return status;
    }
    if (settings.empty()) {
        return printRecord(config, out);
    }
    if (const ExitStatus status = applySettings(settings, config, &image);
        status != ExitStatus::Ok) {
        return status;
    }
    TrackerConfig written;
    static_cast<void>(written.decodeImage(image));  // a whole image always decodes
    return printRecord(written, out);
}

ExitStatus runBuild(const std::string& jsonPath, const std::vector<std::string>& settings,
                    const std::string& outPath) {
    TrackerConfig config;
    ExitStatus status = loadJsonRecord(jsonPath, config);
    if (status == ExitStatus::Ok) {
        status = applySettings(settings, config, nullptr);
    }
    if (status != ExitStatus::Ok) {
        return status;
    }
    return writeConfigFile(outPath, config) ? ExitStatus::Failed : ExitStatus::Ok;
}

}  // namespace qz5

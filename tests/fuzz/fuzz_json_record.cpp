// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a JSON record, read as show and build read one.
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "support/record_fields.h"
#include "tools/qz5cfg/config_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qz5;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TrackerConfig config;
    const TrackerConfig before = config;
    try {
        applyJson(parseJson(text), config);
    } catch (const JsonFormError&) {
        // Anything else thrown escapes and is the fuzzer's finding.
        fuzzing::require(testing::differingFields(config, before).empty(),
                         "a refused record changes nothing");
        return 0;
    }
    fuzzing::requireSoundTexts(config);
    // The record's own JSON form reads back as the same record.
    TrackerConfig again;
    applyJson(configToJson(config), again);
    fuzzing::require(testing::differingFields(again, config).empty(),
                     "the JSON form reads back the same");
    fuzzing::requireEncodeInBounds(config);
    return 0;
}

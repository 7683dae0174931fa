// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as the contents of a configuration file.
#include <algorithm>
#include <memory>

#include "config/config_file.h"
#include "fuzz/fuzz_support.h"
#include "support/record_fields.h"

namespace {

constexpr std::uint8_t kValidHeader[] = {'Z', 'B', '3', 'A', 0x80, 0, 0, 0};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qz5;
    // An odd first byte stands for a valid header, so that the decoder is
    // reached without the fuzzer first guessing magic and length. The copy is
    // sized exactly, so any read past the contents is caught.
    const bool withHeader = size > 0 && (data[0] & 1) != 0;
    const std::size_t length = withHeader ? sizeof kValidHeader + size - 1 : size;
    const auto contents = std::make_unique<std::uint8_t[]>(length);
    if (withHeader) {
        std::copy_n(kValidHeader, sizeof kValidHeader, contents.get());
        std::copy_n(data + 1, size - 1, contents.get() + sizeof kValidHeader);
    } else {
        std::copy_n(data, size, contents.get());
    }

    TrackerConfig config;
    config.calibrationChanged = true;
    const TrackerConfig before = config;
    if (!readConfigBytes(std::span(contents.get(), length), config)) {
        fuzzing::require(testing::differingFields(config, before).empty(),
                         "a failed load changes nothing");
        return 0;
    }
    fuzzing::require(length >= static_cast<std::size_t>(kConfigFileSize), "loads need 136 bytes");
    fuzzing::require(!config.calibrationChanged, "a load clears calibrationChanged");
    fuzzing::requireSoundTexts(config);
    fuzzing::requireEncodeInBounds(config);
    return 0;
}

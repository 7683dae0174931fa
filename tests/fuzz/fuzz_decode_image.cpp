// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a configuration image: the decoder must stay inside the
// image and the fields, and re-encoding must stay inside the image.
#include <algorithm>
#include <memory>

#include "config/check/config_check.h"
#include "fuzz/fuzz_support.h"
#include "support/record_fields.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qz5;
    TrackerConfig config;
    if (size != kImageSize) {
        const TrackerConfig before = config;
        fuzzing::require(!config.decodeImage(std::span(data, size)), "wrong size fails");
        fuzzing::require(testing::differingFields(config, before).empty(),
                         "a failed decode changes nothing");
    }
    // An exactly sized heap copy, so any read past byte 127 is caught.
    const auto image = std::make_unique<std::uint8_t[]>(kImageSize);
    std::fill_n(image.get(), kImageSize, 0);
    std::copy_n(data, std::min<std::size_t>(size, kImageSize), image.get());
    fuzzing::require(static_cast<bool>(config.decodeImage(std::span(image.get(), kImageSize))),
                     "decode succeeds");
    fuzzing::requireSoundTexts(config);
    const TrackerConfig decoded = config;
    static_cast<void>(checkConfig(config, nullptr, nullptr));
    fuzzing::require(testing::differingFields(config, decoded).empty(), "a check changes nothing");
    fuzzing::requireEncodeInBounds(config);
    return 0;
}

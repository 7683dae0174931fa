// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration check: one whole check of a record, with and without the
// callsign-prefix list, and reading the list. Target: a check well under a
// millisecond, so the window can run it as the user types; the list is read
// once per process. Uses the system's list (hamradio-files) when installed.
#include <benchmark/benchmark.h>

#include "config/check/config_check.h"
#include "config/check/system_prefix_list.h"
#include "config/text_field.h"

namespace qz5 {
namespace {

TrackerConfig onTheAir() {
    TrackerConfig config;
    storeText(config.callsign[0], "DL1ABC-9");
    storeText(config.callsign[1], "W1AW-7");
    storeText(config.digiPath[1], "WIDE1-1,WIDE2-2,WIDE3-3");
    config.smartBeaconing[1] = true;
    return config;
}

void checkWithoutList(benchmark::State& state) {
    const TrackerConfig config = onTheAir();
    for (auto _ : state) {
        benchmark::DoNotOptimize(checkConfig(config, nullptr, nullptr));
    }
}
BENCHMARK(checkWithoutList)->Unit(benchmark::kMicrosecond);

void checkWithList(benchmark::State& state) {
    const PrefixList* list = systemPrefixList();
    if (list == nullptr) {
        state.SkipWithError("no prefix list on this system");
        return;
    }
    const TrackerConfig config = onTheAir();
    for (auto _ : state) {
        benchmark::DoNotOptimize(checkConfig(config, list, nullptr));
    }
}
BENCHMARK(checkWithList)->Unit(benchmark::kMicrosecond);

// What the first check of a process pays; later ones find the list kept.
void readPrefixList(benchmark::State& state) {
    const std::filesystem::path file = installedPrefixListPath();
    for (auto _ : state) {
        const PrefixListRead read = PrefixList::load(file);
        if (!read.list) {
            state.SkipWithError("no prefix list on this system");
            return;
        }
        benchmark::DoNotOptimize(read.list);
    }
}
BENCHMARK(readPrefixList)->Unit(benchmark::kMillisecond);

// Every later use of the system's list: it was read once and is kept.
void systemListAgain(benchmark::State& state) {
    benchmark::DoNotOptimize(systemPrefixList());
    for (auto _ : state) {
        benchmark::DoNotOptimize(systemPrefixList());
    }
}
BENCHMARK(systemListAgain);

}  // namespace
}  // namespace qz5

BENCHMARK_MAIN();

// The walk over ACT!'s current lookup with a progress display, over lookups of growing size.
// Its time must grow linearly with the number of contacts.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "act/clACTApplication.h"
#include "sim/desktop/SimDesktop.h"

namespace {

namespace sim = platform::sim;

// A running ACT! whose current lookup holds `count` contacts, with the journal off.
void PrepareAct(std::int64_t count) {
    sim::TheDesktop() = sim::Desktop();
    platform::actmodel::ActState& state = sim::Act().State();
    state.running = true;
    state.recording = false;
    state.contacts.reserve(static_cast<std::size_t>(count));
    state.contactLookup.reserve(static_cast<std::size_t>(count));
    for (std::int64_t i = 0; i < count; ++i) {
        std::wstring number = std::to_wstring(i);
        sim::Act().AddContact(L"K" + std::wstring(9 - number.size(), L'0') + number);
    }
}

void GetIdsOfTheCurrentLookupWithProgress(benchmark::State& state) {
    const std::int64_t count = state.range(0);
    PrepareAct(count);
    platform::ObjectRef status = sim::Act().CreateStatusObject();
    clACTApplication act;
    for (auto _ : state) {
        platform::Text list = act.getIDsAktuelleSuche(status);
        benchmark::DoNotOptimize(list.data());
        if (list.size() != static_cast<std::size_t>(count) * 12) {
            state.SkipWithError("the list does not hold every contact");
            break;
        }
    }
    if (sim::Act().State().lastStatusText != L"Bestimme aktuelle ACT!-Suche (100,00)") {
        state.SkipWithError("the progress did not reach 100,00");
    }
    state.SetComplexityN(count);
    state.SetItemsProcessed(state.iterations() * count);
    sim::TheDesktop() = sim::Desktop();
}

BENCHMARK(GetIdsOfTheCurrentLookupWithProgress)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// glibc serves blocks above its mapping threshold (at most 32 MB) from fresh pages on every call
// and hands smaller ones back from the heap, already touched. The list of a million contacts is
// 48 MB, that of 100,000 only 4.8 MB; so that every size is measured alike, all blocks stay on
// the heap. QUENDELHOF_BENCH_PLAIN_MALLOC=1 keeps glibc's own policy.
void KeepLargeBlocksOnTheHeap() {
#if defined(__GLIBC__)
    const char* plain = std::getenv("QUENDELHOF_BENCH_PLAIN_MALLOC");
    if (plain == nullptr || plain[0] == '\0' || plain[0] == '0') {
        mallopt(M_MMAP_THRESHOLD, 256 * 1024 * 1024);
        mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
    }
#endif
}

}  // namespace

int main(int argc, char** argv) {
    KeepLargeBlocksOnTheHeap();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// How long the character checker takes on a large character: 20,000 sprites,
// 200 actions and a megabyte of states, every one of them read and checked.

#include "../tests/check/large_character.h"
#include "check/character_check.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

void BM_CheckLargeCharacter(benchmark::State& state)
{
    const fs::path dir = fs::temp_directory_path() / ("vantrel-bench-check-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    if (!vantrel::test::writeLargeCharacter(dir.string(), 20000, 1'000'000)) {
        state.SkipWithError("cannot write the character");
        fs::remove_all(dir);
        return;
    }
    const std::string def = (dir / "big.def").string();
    for (auto _ : state) {
        const vantrel::CheckReport report = vantrel::checkCharacter(def, {true});
        if (!report.readable || !report.findings.empty())
            state.SkipWithError("the character did not check clean");
        benchmark::DoNotOptimize(report);
    }
    state.counters["sprites"] = 20000;
    state.counters["state bytes"] = static_cast<double>(fs::file_size(dir / "big.st"));
    fs::remove_all(dir);
}

} // namespace

BENCHMARK(BM_CheckLargeCharacter)->Unit(benchmark::kMillisecond)->Iterations(5);

BENCHMARK_MAIN();

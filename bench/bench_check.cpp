// How long the character checker takes on a large character: 20,000 sprites,
// 200 actions and a megabyte of states, every one of them read and checked.
// The peer, in the same run, is the least any check costs: every file of the
// character read into memory and its lines counted.
//
// And the check the Problems window runs after a keystroke: the same
// character with the state file's unsaved text (one character typed) handed
// over through CheckOptions::readText, beside reading that state file from
// the disk.

#include "../tests/check/large_character.h"
#include "check/character_check.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The character, written once per run and removed when the run ends.
struct Character {
    fs::path dir = fs::temp_directory_path() / ("vantrel-bench-check-" + std::to_string(::getpid()));
    bool written = false;

    Character()
    {
        fs::create_directories(dir);
        written = vantrel::test::writeLargeCharacter(dir.string(), 20000, 1'000'000);
    }
    ~Character()
    {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }
};

const Character& character()
{
    static const Character made;
    return made;
}

// The character's .def; nothing (the benchmark skipped) when it could not be written.
std::optional<std::string> definitionFile(benchmark::State& state)
{
    if (!character().written) {
        state.SkipWithError("cannot write the character");
        return std::nullopt;
    }
    return (character().dir / "big.def").string();
}

// Checks the character once per round; each must come out clean.
void checkRounds(benchmark::State& state, const std::string& def, const vantrel::CheckOptions& options)
{
    for (auto _ : state) {
        const vantrel::CheckReport report = vantrel::checkCharacter(def, options);
        if (!report.readable || !report.findings.empty())
            state.SkipWithError("the character did not check clean");
        benchmark::DoNotOptimize(report);
    }
}

void BM_CheckLargeCharacter(benchmark::State& state)
{
    const std::optional<std::string> def = definitionFile(state);
    if (!def)
        return;
    checkRounds(state, *def, {true});
    state.counters["sprites"] = 20000;
    state.counters["state bytes"] = static_cast<double>(fs::file_size(character().dir / "big.st"));
}

void BM_PeerReadCharacterFiles(benchmark::State& state)
{
    const Character& c = character();
    for (auto _ : state) {
        std::size_t lines = 0;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(c.dir)) {
            if (!entry.is_regular_file())
                continue;
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            lines += static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
        }
        benchmark::DoNotOptimize(lines);
    }
}

std::string readWhole(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void BM_CheckAfterAKeystroke(benchmark::State& state)
{
    const std::optional<std::string> def = definitionFile(state);
    if (!def)
        return;
    const std::string statePath = (character().dir / "big.st").string();
    std::string typed = readWhole(statePath);
    // A blank typed at the end of the first line, as in a window holding the file.
    typed.insert(typed.find('\n'), " ");
    vantrel::CheckOptions options{true};
    options.readText = [&](const std::string& path) -> std::optional<std::string> {
        if (fs::path(path).lexically_normal() == fs::path(statePath).lexically_normal())
            return typed;
        return std::nullopt;
    };
    vantrel::checkCharacter(*def, options); // what the window checked when it opened
    checkRounds(state, *def, options);
    state.counters["state bytes"] = static_cast<double>(typed.size());
}

void BM_PeerReadStateFile(benchmark::State& state)
{
    const Character& c = character();
    for (auto _ : state) {
        const std::string bytes = readWhole(c.dir / "big.st");
        benchmark::DoNotOptimize(bytes);
    }
}

} // namespace

BENCHMARK(BM_PeerReadStateFile)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_CheckAfterAKeystroke)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_PeerReadCharacterFiles)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_CheckLargeCharacter)->Unit(benchmark::kMillisecond)->Iterations(5);

BENCHMARK_MAIN();

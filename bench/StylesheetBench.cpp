// Rewriting large stylesheets, with and without a font-size declaration
// that no ";" ever ends, and with the options for e-readers on too.
#include "SettingsStore.h"
#include "Stylesheet.h"
#include "TextFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

std::string MakeStylesheet(std::size_t size, bool unterminated)
{
    std::string css;
    while (css.size() < size)
        css += "p.c" + std::to_string(css.size() % 997) + " { margin: 0 0 1em; font-size: 1.1em; color: #333; }\n";
    if (unterminated)
        css += "h1 { font-size: 2em }\n/* no semicolon after this point */\n";
    return css;
}

void RewriteStylesheet(benchmark::State& state)
{
    SettingsStore::LoadOptions();  // first-run values: all three style edits on
    for (const char* key : {OptionKey::LineHeights, OptionKey::PageMargins, OptionKey::FontFamilies,
                            OptionKey::RelativeSizes, OptionKey::TextColors})
        SettingsStore::PutOption(key, state.range(2) != 0);
    const std::string css = MakeStylesheet(static_cast<std::size_t>(state.range(0)) << 20, state.range(1) != 0);
    const std::string path = (std::filesystem::temp_directory_path() / "bindwell-bench.css").string();
    for (auto _ : state) {
        state.PauseTiming();
        std::ofstream(path, std::ios::binary) << css;
        state.ResumeTiming();
        StripCSSFonts(path, "", FixOptions::Current());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * css.size()));
    std::remove(path.c_str());
}

}  // namespace

BENCHMARK(RewriteStylesheet)
    ->Args({1, 0, 0})
    ->Args({10, 0, 0})
    ->Args({10, 1, 0})
    ->Args({10, 0, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();

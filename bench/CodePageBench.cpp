// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CodePage.h"
#include "core/ShownText.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A display text of a holiday file in the code page, as its bytes and as UTF-8.
struct CSampleText {
    std::string bytes;
    std::string utf8;
};

CSampleText SampleText(int codePage) {
    switch (codePage) {
    case 1251: return {"\xD0\xEE\xE6\xE4\xE5\xF1\xF2\xE2\xEE \xD5\xF0\xE8\xF1\xF2\xEE\xE2\xEE", "Рождество Христово"};
    case 932: return {"\x8C\xB3\x93\xFA\x81\x40\x90\xAC\x90\x6C\x82\xCC\x93\xFA", "元日　成人の日"};
    case 0: return {"F\xC3\xAAte nationale", "Fête nationale"};
    default: return {"Bu\xDF- und Bettag", "Buß- und Bettag"};
    }
}

// One text shown as the dates listing, the preview and the editor's lists
// show it, in the code page state.range(0).
void BM_ShowText(benchmark::State& state) {
    const CCodePage codePage(static_cast<int>(state.range(0)));
    const std::string bytes = SampleText(codePage.Number()).bytes;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ShowText(codePage, bytes));
    }
}
BENCHMARK(BM_ShowText)->Arg(1252)->Arg(1251)->Arg(932)->Arg(0);

// One text of the JSON form read into the bytes of the code page state.range(0).
void BM_TextFromUtf8(benchmark::State& state) {
    const CCodePage codePage(static_cast<int>(state.range(0)));
    const std::string utf8 = SampleText(codePage.Number()).utf8;
    for (auto _ : state) {
        benchmark::DoNotOptimize(codePage.FromUtf8(utf8));
    }
}
BENCHMARK(BM_TextFromUtf8)->Arg(1252)->Arg(1251)->Arg(932)->Arg(0);

}  // namespace

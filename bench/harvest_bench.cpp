// Both harvesting passes over a large page full of links: the pass must stay
// linear (a 10 MB page with 50,000 links well under a second).
#include <benchmark/benchmark.h>

#include <vector>

#include "harvest/harvest_pass.h"

namespace {

// About 10 MB: 50,000 links, three in four double-quoted, among markup,
// script words between quotes and Chinese text.
Text LargePage() {
    Text page;
    page.reserve(10'500'000);
    for (int i = 0; i < 50'000; ++i) {
        const Text id = NumberText(100'000'000 + i);
        const bool single = i % 4 == 3;
        const char q = single ? '\'' : '"';
        page += "<div class=\"photo\" data-kind='https:'>图片说明 ";
        page += q;
        page += "https://drscdn.500px.org/photo/" + id + "/q%3D80_m%3D2000/v2?sig=" + id + id;
        page += q;
        page += "</div>\n<script>var s=\"http\";</script>";
        page.append(20, 'x');
    }
    while (page.size() < 10'000'000) page += "<p>filler text, no links here.</p>\n";
    return page;
}

void BM_HarvestBothPasses(benchmark::State& state) {
    const Text original = LargePage();
    size_t found = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Text page = original;
        std::vector<Text> CandidateList;
        state.ResumeTiming();
        HarvestPass(page, "\"http", "\"", CandidateList);
        HarvestPass(page, "'http", "'", CandidateList);
        found = CandidateList.size();
        benchmark::DoNotOptimize(CandidateList.data());
    }
    state.counters["page_MB"] = static_cast<double>(original.size()) / 1e6;
    state.counters["links"] = static_cast<double>(found);
}
BENCHMARK(BM_HarvestBothPasses)->Unit(benchmark::kMillisecond);

}  // namespace

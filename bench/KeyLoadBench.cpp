// One keyed value of many keys, read from its document and compiled, at two sizes
// ten times apart: the key array grows geometrically, so loading stays linear and
// 200,000 keys take well under a second.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "GeneratedDocument.h"
#include "base/Con.h"
#include "document/NimbusDocument.h"
#include "reflect/ObjectList.h"

namespace {

// Eleven keys a line keeps within the reader's line length and line count.
std::string MakeDocument(int keys) {
    std::string text = "<Nimbus>\n<BSFloatValue Name=\"Angle\">\n";
    char key[64];
    for (int k = 0; k < keys; ++k) {
        snprintf(key, sizeof key, "<Key Time=\"%d\">%d</Key>", k % 100, k % 7);
        text += key;
        text += k % 11 == 10 ? "\n" : "";
    }
    return text + "\n</BSFloatValue>\n</Nimbus>\n";
}

void BM_LoadKeys(benchmark::State& state) {
    const std::string name = "keys" + std::to_string(state.range(0)) + ".xml";
    MountGeneratedDocument("nimbus-key-bench", name,
                           MakeDocument(static_cast<int>(state.range(0))));
    Con.EnableBuffer(true);
    for (auto _ : state) {
        Document.Load(name.c_str());
        benchmark::DoNotOptimize(Document.CompileAndFind("BSFloatValue"));
        state.PauseTiming();
        Document.Destroy();
        ObjectList.DestroyAll();
        state.ResumeTiming();
    }
    if (Con.ErrorCount() != 0) {
        state.SkipWithError("the generated document did not load cleanly");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_LoadKeys)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();

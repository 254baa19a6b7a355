// Compile time of generated documents with references throughout, at two sizes ten
// times apart; resolving references by name must keep compiling about linear.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "GeneratedDocument.h"
#include "base/Con.h"
#include "document/NimbusDocument.h"

namespace {

// Eight lines per node: its values, the node referring to them and to an
// earlier axis, and its entry in the scene's tree.
std::string MakeDocument(int lines) {
    const int nodes = (lines - 8) / 8;  // the frame takes a few lines of its own
    std::string text = "<Nimbus>\n";
    std::string tree;
    char chunk[512];
    for (int i = 0; i < nodes; ++i) {
        snprintf(chunk, sizeof chunk,
                 "<Vector Name=\"V%d\">1 2 3</Vector>\n"
                 "<Float Name=\"F%d\">0.5</Float>\n"
                 "<PAANode Name=\"N%d\">\n"
                 "  <Vector Role=\"Position\" Name=\"V%d\"/>\n"
                 "  <Float Role=\"RotationAngle\" Name=\"F%d\"/>\n"
                 "  <Vector Role=\"RotationAxis\" Name=\"V%d\"/>\n"
                 "</PAANode>\n",
                 i, i, i, i, i, i / 2);
        text += chunk;
        snprintf(chunk, sizeof chunk, "    <PAANode Name=\"N%d\"/>\n", i);
        tree += chunk;
    }
    text += "<Scene Name=\"Main\">\n  <TransformNode Role=\"Nodes\" Container=\"Tree\">\n";
    text += tree;
    text += "  </TransformNode>\n</Scene>\n</Nimbus>\n";
    return text;
}

void BM_Compile(benchmark::State& state) {
    const std::string name = "doc" + std::to_string(state.range(0)) + ".xml";
    MountGeneratedDocument("nimbus-compile-bench", name,
                           MakeDocument(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        state.PauseTiming();
        Document.Load(name.c_str());
        state.ResumeTiming();
        benchmark::DoNotOptimize(Document.CompileAndFind("Scene"));
    }
    if (Con.ErrorCount() != 0) {
        state.SkipWithError("the generated document did not compile cleanly");
    }
}

}  // namespace

BENCHMARK(BM_Compile)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(5);

namespace {

// The console report, and then the growth ratio of the two sizes' times.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            times.push_back(run.GetAdjustedRealTime());
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        if (times.size() == 2 && times[0] > 0) {
            printf("compile time growth for 10x the lines: %.2f\n", times[1] / times[0]);
        }
    }

  private:
    std::vector<double> times;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

// How fast a large hand-written style document is read into a node tree and
// written back.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/Con.h"
#include "document/DocNode.h"
#include "document/NimbusTextFile.h"
#include "io/Data.h"

namespace {

// A document of `scenes` scenes with a node tree and keyed values each.
std::string MakeDocument(int scenes) {
    std::string text = "<?xml version=\"1.0\"?>\r\n<Nimbus>\r\n";
    for (int i = 0; i < scenes; ++i) {
        const std::string id = std::to_string(i);
        text += "  <Scene Name=\"scene" + id + "\">\r\n";
        text += "    <Nodes Role=\"Nodes\" Container=\"Tree\">\r\n";
        text += "      <TransformNode Name=\"node" + id + "\"/> // a comment\r\n";
        text += "    </Nodes>\r\n";
        text += "    <Float Role=\"Alpha\">\r\n";
        text += "      <Key Time=\"0\">0.0</Key> <Key Time=\"1\">1.0</Key>\r\n";
        text += "    </Float>\r\n";
        text += "  </Scene>\r\n";
    }
    return text + "</Nimbus>\r\n";
}

class Store {
  public:
    Store() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "nimbus-bench-XXXXXX").string();
        path = mkdtemp(pattern.data()) ? pattern : ".";
        stream.Mount(kDirectoryMode, path.c_str());
        stream.SetAsDefault(false);
    }
    ~Store() {
        stream.Unmount();
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    void Write(const std::string& name, const std::string& content) {
        std::ofstream(path + "/" + name, std::ios::binary) << content;
    }

  private:
    std::string path;
    NData stream;
};

void LoadDocument(benchmark::State& state) {
    Store store;
    const std::string document = MakeDocument(static_cast<int>(state.range(0)));
    store.Write("doc.xml", document);
    for (auto _ : state) {
        DocNode root;
        NimbusTextFile file;
        benchmark::DoNotOptimize(file.Load("doc.xml", &root));
        DeleteChildren(&root);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(document.size()));
}
BENCHMARK(LoadDocument)->Arg(100)->Arg(2000);

void SaveDocument(benchmark::State& state) {
    Store store;
    store.Write("doc.xml", MakeDocument(static_cast<int>(state.range(0))));
    DocNode root;
    NimbusTextFile reader;
    reader.Load("doc.xml", &root);
    for (auto _ : state) {
        NimbusTextFile file;
        benchmark::DoNotOptimize(file.Save("out.xml", &root));
    }
    DeleteChildren(&root);
}
BENCHMARK(SaveDocument)->Arg(100)->Arg(2000);

}  // namespace

BENCHMARK_MAIN();

#include "check/Check.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "app/AppPath.h"
#include "app/Application.h"
#include "app/ClassTable.h"
#include "app/Demo.h"
#include "base/Con.h"
#include "check/ShaderCheck.h"
#include "check/TimelineCheck.h"
#include "cli/StandardOptions.h"
#include "document/NimbusDocument.h"
#include "image/Bitmap.h"
#include "io/Data.h"
#include "reflect/String.h"
#include "render/Shader.h"
#include "render/Texture.h"
#include "sound/OfflineMusic.h"

const char kCheckUsage[] =
    "usage: nimbus-check PATH\n"
    "  Checks the production PATH (dir/show: dir/show.dat or dir/data, document show.xml)\n"
    "  without a window: the document, every texture's image, every shader (compiled\n"
    "  offline), the music and the timeline. Prints the problems and a summary; exits\n"
    "  with 1 when anything was found.\n"
    "  --help prints this text, --version the version.\n";

namespace {

struct TextureSummary {
    std::string file;
    int width = 0;
    int height = 0;
    bool loaded = false;
};

struct ShaderSummary {
    std::string vertex;
    std::string fragment;
};

// What the summary lists.
struct Findings {
    Timeline timeline;
    std::vector<TextureSummary> textures;
    std::vector<ShaderSummary> shaders;
    std::string music;
    // Negative when there is no music or it could not be decoded.
    double musicSeconds = -1;
    // False when decoding stopped early: the music runs at least musicSeconds.
    bool musicMeasured = true;
};

// Every object the document made, once each and in document order, with the name
// of the element that made it.
void CollectObjects(const DocNode* node, std::vector<NClass*>* objects, ObjectNames* names,
                    std::unordered_set<const NClass*>* seen) {
    for (; node; node = node->next) {
        if (node->object && seen->insert(node->object).second) {
            objects->push_back(node->object);
            if (node->name) {
                (*names)[node->object] = node->name;
            }
        }
        CollectObjects(node->firstChild, objects, names, seen);
    }
}

// Loads and converts each texture's image as the player would before uploading it.
void CheckTextures(const std::vector<NClass*>& objects, Findings* findings) {
    for (NClass* object : objects) {
        auto* texture = dynamic_cast<NTexture*>(object);
        if (!texture) {
            continue;
        }
        TextureSummary summary;
        texture->PreparePixels();
        if (const NBitmap* bitmap = texture->Bitmap) {
            summary.file = bitmap->Name ? bitmap->Name : "";
            summary.loaded = bitmap->HasPixels();
            summary.width = bitmap->Width;
            summary.height = bitmap->Height;
        }
        findings->textures.push_back(summary);
    }
}

// The whole text of a shader source; false, logged, when there is none.
bool LoadShaderSource(const char* name, const char* member, ShaderSource* source) {
    if (!name) {
        Con.Error("nimbus-check: a shader has no %s", member);
        return false;
    }
    source->name = name;
    unsigned char* text = nullptr;
    const int length = NShader::LoadSource(DefaultInput, name, &text);
    const std::unique_ptr<unsigned char[]> owned(text);
    if (length < 0 || !text) {
        Con.Error("nimbus-check: shader source <%s> can't be loaded", name);
        return false;
    }
    source->text.assign(reinterpret_cast<const char*>(text), static_cast<size_t>(length));
    return true;
}

void ReportShaderProblem(const ShaderProblem& problem, const ShaderSummary& shader) {
    const std::string where =
        !problem.file.empty() ? problem.file : shader.vertex + " + " + shader.fragment;
    const std::string line = problem.line > 0 ? ":" + std::to_string(problem.line) : "";
    if (problem.warning) {
        Con.Warning("%s%s: %s", where.c_str(), line.c_str(), problem.text.c_str());
    } else {
        Con.Error("%s%s: %s", where.c_str(), line.c_str(), problem.text.c_str());
    }
}

void CheckShaders(const std::vector<NClass*>& objects, Findings* findings) {
    for (NClass* object : objects) {
        const auto* shader = dynamic_cast<const NShader*>(object);
        if (!shader) {
            continue;
        }
        ShaderSource vertex;
        ShaderSource fragment;
        // Both are tried, so that both missing files are reported.
        const bool vertexLoaded =
            LoadShaderSource(shader->VertexShaderFilename, "VertexShaderFilename", &vertex);
        const bool fragmentLoaded =
            LoadShaderSource(shader->FragmentShaderFilename, "FragmentShaderFilename", &fragment);
        const ShaderSummary summary = {vertex.name, fragment.name};
        findings->shaders.push_back(summary);
        if (!vertexLoaded || !fragmentLoaded) {
            continue;
        }
        for (const ShaderProblem& problem : CompileShaderPair(vertex, fragment)) {
            ReportShaderProblem(problem, summary);
        }
    }
}

// The latest end time of the demo's parts.
float TimelineEnd(const NDemo& demo) {
    float end = 0;
    for (const NListNodeClass* node = demo.PartList.next; node; node = node->next) {
        end = std::max(end, static_cast<const NPart*>(node)->EndTime);
    }
    return end;
}

// Opens the music as the player plays it and takes its length from the file's
// header, or else by decoding no more of it than the timeline checks need.
void CheckMusic(const NDemo& demo, Findings* findings) {
    if (!demo.SoundFile || demo.SoundFile->IsEmpty()) {
        return;
    }
    findings->music = demo.SoundFile->Get();
    int size = 0;
    const std::unique_ptr<unsigned char[]> data(demo.LoadMusic(&size));
    if (!data) {
        Con.Error("nimbus-check: music file <%s> can't be loaded", findings->music.c_str());
        return;
    }
    const std::unique_ptr<MusicDecoder> music =
        OpenMusic(data.get(), static_cast<size_t>(size), kMusicRate, findings->music.c_str());
    if (!music) {
        Con.Error(
            "nimbus-check: music file <%s> is neither a sound file nor a module the "
            "audio library plays",
            findings->music.c_str());
        return;
    }
    // Past this the music is long enough for both timeline checks to be decided.
    const double enough = TimelineEnd(demo) + kLongestMusicCut + 1.0;
    const MusicLength length = MeasureMusic(*music, enough);
    findings->musicSeconds = length.seconds;
    findings->musicMeasured = length.complete;
    if (!length.complete && length.seconds < enough) {
        Con.PrintLine(
            "nimbus-check: decoding music file <%s> took longer than %u ms; it was measured "
            "to %.3f s only",
            findings->music.c_str(), kMeasureMilliseconds, length.seconds);
    }
}

void PrintNoneIfEmpty(size_t count) {
    if (count == 0) {
        Con.PrintLine("    none");
    }
}

void PrintSummary(const Findings& findings) {
    Con.PrintLine("Summary");
    Con.PrintLine("  parts, in played order:");
    for (const TimelinePart& part : findings.timeline.parts) {
        const char* scene = part.hasScene ? "" : "  (no scene)";
        if (part.shown) {
            Con.PrintLine("    %9.3f - %9.3f s  %s%s", part.start, part.end, part.name.c_str(),
                          scene);
        } else {
            Con.PrintLine("    %9s   %9.3f s  %s%s  (never shown)", "", part.end, part.name.c_str(),
                          scene);
        }
    }
    PrintNoneIfEmpty(findings.timeline.parts.size());
    Con.PrintLine("  textures:");
    for (const TextureSummary& texture : findings.textures) {
        if (texture.loaded) {
            Con.PrintLine("    %s  %d x %d", texture.file.c_str(), texture.width, texture.height);
        } else {
            Con.PrintLine("    %s  (not loaded)", texture.file.c_str());
        }
    }
    PrintNoneIfEmpty(findings.textures.size());
    Con.PrintLine("  shaders:");
    for (const ShaderSummary& shader : findings.shaders) {
        Con.PrintLine("    %s + %s", shader.vertex.c_str(), shader.fragment.c_str());
    }
    PrintNoneIfEmpty(findings.shaders.size());
    if (findings.music.empty()) {
        Con.PrintLine("  music: none");
    } else if (findings.musicSeconds < 0) {
        Con.PrintLine("  music: %s  (not decoded)", findings.music.c_str());
    } else {
        Con.PrintLine("  music: %s  %s%.3f s", findings.music.c_str(),
                      findings.musicMeasured ? "" : "at least ", findings.musicSeconds);
    }
}

void CheckDemo(const NDemo& demo) {
    std::vector<NClass*> objects;
    ObjectNames names;
    std::unordered_set<const NClass*> seen;
    CollectObjects(Document.Root().firstChild, &objects, &names, &seen);
    Findings findings;
    CheckTextures(objects, &findings);
    CheckShaders(objects, &findings);
    CheckMusic(demo, &findings);
    findings.timeline = CheckTimeline(demo, names);
    // Music measured only in part can still be known to outlast the timeline.
    if (findings.musicSeconds >= 0 &&
        (findings.musicMeasured || findings.musicSeconds > findings.timeline.end)) {
        CheckTimelineAgainstMusic(findings.timeline.end, findings.musicSeconds);
    }
    PrintSummary(findings);
}

}  // namespace

void RunCheck(const char* path) {
    SetExecutablePath(path);
    const NDemo* demo = LoadDemo();
    if (!demo) {
        // The player ends quietly here; a check that found nothing to check has failed.
        Con.Error("nimbus-check: no demo to check in %s", path);
        return;
    }
    CheckDemo(*demo);
    Document.Destroy();
}

int CheckMain(int argc, char** argv) {
    if (AnswerStandardOption(argc, argv, "nimbus-check", kCheckUsage)) {
        return 0;
    }
    if (argc != 2 || argv[1][0] == '-') {
        fputs(kCheckUsage, stderr);
        return 2;
    }
    Con.SetEcho(true);
    NClassRegistration();
    RunCheck(argv[1]);
    if (Con.ErrorCount() != 0) {
        Con.Print("NCon Failed:\n");
        Con.PrintErrorCount();
        return 1;
    }
    return 0;
}

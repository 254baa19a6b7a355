#include "check/Check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "app/AppPath.h"
#include "app/Application.h"
#include "app/ClassTable.h"
#include "app/Demo.h"
#include "base/Con.h"
#include "check/DefinitionCheck.h"
#include "check/SceneSetUp.h"
#include "check/ShaderCheck.h"
#include "check/TimelineCheck.h"
#include "check/Vocabulary.h"
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
    "       nimbus-check --classes\n"
    "  Checks the production PATH (dir/show: dir/show.dat or dir/data, document show.xml)\n"
    "  without a window: the document (every compile error), every texture's image, every\n"
    "  shader (compiled offline), the music and the timeline; then sets up every scene and\n"
    "  plays the first frame of every part with a renderer that draws nothing. Prints the\n"
    "  problems and a summary; exits with 1 when anything was found.\n"
    "  --classes prints the document vocabulary: every class, its base and its members\n"
    "  with their types, defaults and meanings.\n"
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

// The document's objects, once each and in document order, with the element that
// made each: its name for the messages and its line for their place.
struct DocumentObjects {
    std::vector<NClass*> objects;
    ObjectNames names;
    std::unordered_map<const NClass*, const DocNode*> elements;
};

void CollectObjects(const DocNode* node, DocumentObjects* found) {
    for (; node; node = node->next) {
        if (node->object && found->elements.emplace(node->object, node).second) {
            found->objects.push_back(node->object);
            if (node->name) {
                found->names[node->object] = node->name;
            }
        }
        CollectObjects(node->firstChild, found);
    }
}

// The messages that follow are about the element that made `object`.
void PlaceAt(const DocumentObjects& found, const NClass* object) {
    const auto element = found.elements.find(object);
    Con.SetPlace(DocumentName(), element != found.elements.end() ? element->second->line : 0);
}

// "texture \"Sky\"", or "a texture" for one without a name.
std::string Described(const DocumentObjects& found, const NClass* object, const char* kind) {
    const auto name = found.names.find(object);
    return name != found.names.end() ? std::string(kind) + " \"" + name->second + "\""
                                     : std::string("a ") + kind;
}

// [SECTION] Loading, as the player loads, going on where the player stops

// What the player would have counted so far: notices count only here.
int PlayersCount() {
    return Con.ErrorCount() - Con.NoticeCount();
}

// Loads and compiles the document with the player's messages; unlike the player it
// compiles a document that was read whole despite warnings, so that every compile
// error is reported too, and it looks for names used before their definition. Null
// when there is no demo to check.
NDemo* CompileProduction() {
    const bool read = Document.Load(DocumentName());
    if (PlayersCount() != 0) {
        Con.PrintLine("failed to load the document <%s>", DocumentName());
    }
    // A document that stopped part way leaves a tree that ends where reading did.
    if (!read) {
        return nullptr;
    }
    if (!Document.Root().firstChild) {
        Con.PrintLine("empty document");
        return nullptr;
    }
    CheckDefinitionsBeforeUse(Document.Root(), DocumentName());
    const int before = PlayersCount();
    NClass* demo = Document.CompileAndFind("Demo");
    if (PlayersCount() != before) {
        Con.PrintLine("failed to compile document");
    }
    if (!demo) {
        Con.PrintLine("can not play document, class \"Demo\" is not found");
    }
    return static_cast<NDemo*>(demo);
}

// [SECTION] Textures

// The kind of a picture the codecs do not read, from its first bytes; null for any
// other bytes.
const char* ForeignImageKind(const unsigned char* bytes, int length) {
    if (length >= 4 && memcmp(bytes, "\x89PNG", 4) == 0) {
        return "PNG";
    }
    if (length >= 4 && memcmp(bytes, "GIF8", 4) == 0) {
        return "GIF";
    }
    if (length >= 12 && memcmp(bytes, "RIFF", 4) == 0 && memcmp(bytes + 8, "WEBP", 4) == 0) {
        return "WebP";
    }
    if (length >= 2 && memcmp(bytes, "BM", 2) == 0) {
        return "BMP";
    }
    return nullptr;
}

// A picture that did not load may be one of a kind that productions cannot use. Its
// first bytes tell; a missing file has been reported already.
void ReportForeignImage(const char* file) {
    NData stream(NData::kInput);
    if (!file || stream.OpenRead(file) != 0) {
        return;
    }
    unsigned char bytes[12] = {};
    const int64_t remaining = stream.Remaining();
    const int length = remaining < 0 || remaining > 12 ? 12 : static_cast<int>(remaining);
    const bool read = stream.Read(bytes, length) == 0;
    stream.CloseFile();
    const char* kind = read ? ForeignImageKind(bytes, length) : nullptr;
    if (kind) {
        Con.Warning("nimbus-check: %s is a %s image; productions use TGA, JPEG or raw", file, kind);
    }
}

std::vector<NTexture*> TexturesOf(const DocumentObjects& found) {
    std::vector<NTexture*> textures;
    for (NClass* object : found.objects) {
        if (auto* texture = dynamic_cast<NTexture*>(object)) {
            textures.push_back(texture);
        }
    }
    return textures;
}

// After set-up: a texture set-up reached has loaded or been reported; one that no
// part uses is loaded here, so that its problems show all the same.
void CheckTextures(const std::vector<NTexture*>& textures, const DocumentObjects& found,
                   Findings* findings) {
    for (NTexture* texture : textures) {
        PlaceAt(found, texture);
        if (!texture->InitTried()) {
            texture->PreparePixels();
        }
        TextureSummary summary;
        const NBitmap* bitmap = texture->Bitmap;
        if (bitmap) {
            summary.file = bitmap->Name ? bitmap->Name : "";
            summary.loaded = texture->TextureName() != NTexture::kNoTexture || bitmap->HasPixels();
            summary.width = bitmap->Width;
            summary.height = bitmap->Height;
        }
        if (!summary.loaded) {
            const std::string what = Described(found, texture, "texture");
            if (summary.file.empty()) {
                summary.file = what + ", no file";
            }
            if (!bitmap) {
                Con.Warning("nimbus-check: %s has no image: its Bitmap is not set", what.c_str());
            } else {
                Con.Warning("nimbus-check: the image of %s, <%s>, did not load", what.c_str(),
                            summary.file.c_str());
                ReportForeignImage(bitmap->Name);
            }
        }
        findings->textures.push_back(summary);
    }
    Con.SetPlace(nullptr, 0);
}

// [SECTION] Shaders

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

void CheckShaders(const DocumentObjects& found, Findings* findings) {
    for (NClass* object : found.objects) {
        const auto* shader = dynamic_cast<const NShader*>(object);
        if (!shader) {
            continue;
        }
        PlaceAt(found, shader);
        ShaderSource vertex;
        ShaderSource fragment;
        // Both are tried, so that both missing files are reported.
        const bool vertexLoaded =
            LoadShaderSource(shader->VertexShaderFilename, "VertexShaderFilename", &vertex);
        const bool fragmentLoaded =
            LoadShaderSource(shader->FragmentShaderFilename, "FragmentShaderFilename", &fragment);
        // The compiler's problems name their own files and lines.
        Con.SetPlace(nullptr, 0);
        const ShaderSummary summary = {vertex.name.empty() ? "(none)" : vertex.name,
                                       fragment.name.empty() ? "(none)" : fragment.name};
        findings->shaders.push_back(summary);
        if (!vertexLoaded || !fragmentLoaded) {
            continue;
        }
        for (const ShaderProblem& problem : CompileShaderPair(vertex, fragment)) {
            ReportShaderProblem(problem, summary);
        }
    }
}

// [SECTION] Music

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

// [SECTION] Summary

void PrintNoneIfEmpty(size_t count) {
    if (count == 0) {
        Con.PrintLine("    none");
    }
}

void PrintSummary(const Findings& findings) {
    Con.PrintLine("Summary");
    Con.PrintLine("  read from: %s", DataSourceName());
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

// Everything but the set-up reads the compiled objects; set-up then plays the demo
// and deletes it, as the player does at the end of play.
void CheckDemo(NDemo* demo) {
    DocumentObjects found;
    CollectObjects(Document.Root().firstChild, &found);
    Findings findings;
    CheckShaders(found, &findings);
    CheckMusic(*demo, &findings);
    findings.timeline = CheckTimeline(*demo, found.names);
    // Music measured only in part can still be known to outlast the timeline.
    if (findings.musicSeconds >= 0 &&
        (findings.musicMeasured || findings.musicSeconds > findings.timeline.end)) {
        CheckTimelineAgainstMusic(findings.timeline.end, findings.musicSeconds);
    }
    // Set-up deletes the demo, which the document's objects then no longer hold.
    const std::vector<NTexture*> textures = TexturesOf(found);
    SetUpAndPlayFirstFrames(demo, findings.timeline);
    CheckTextures(textures, found, &findings);
    PrintSummary(findings);
}

}  // namespace

void RunCheck(const char* path) {
    // What the player only notes (a missing file, a number read other than written,
    // an archive hiding a folder) is a problem to fix, so it counts here.
    Con.SetCountNotices(true);
    SetExecutablePath(path);
    NDemo* demo = MountProduction() ? CompileProduction() : nullptr;
    if (!demo) {
        // The player ends quietly here; a check that found nothing to check has failed.
        Con.Error("nimbus-check: no demo to check in %s", path);
        return;
    }
    CheckDemo(demo);
    Document.Destroy();
}

int CheckMain(int argc, char** argv) {
    if (AnswerStandardOption(argc, argv, "nimbus-check", kCheckUsage)) {
        return 0;
    }
    if (argc == 2 && strcmp(argv[1], "--classes") == 0) {
        NClassRegistration();
        fputs(DescribeVocabulary().c_str(), stdout);
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

// Hand-made productions of the fuzz corpus, and small productions that declare
// absurd sizes, played by the real player and checked by the check tool: each ends
// with a counted message that names what was refused, and with exit code 1.
#include <gtest/gtest.h>
#include <zip.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "PlayHarness.h"

using playtest::Production;

namespace {

// Two short parts, each over a still image of one of the pictures, with music.
std::string PicturesAndMusic(const std::string& tga, const std::string& jpeg,
                             const std::string& music) {
    const std::string views =
        "<OrthoView Role=\"View2D\" Name=\"Flat\"/><OrthoView Role=\"View3D\" Name=\"Flat\"/>\n";
    return "<Nimbus>\n<OrthoView Name=\"Flat\"/>\n"
           "<Texture Name=\"T\">" +
           tga +
           "</Texture>\n"
           "<Texture Name=\"J\">" +
           jpeg +
           "</Texture>\n"
           "<StillImage Name=\"A\"><Texture Role=\"Texture\" Name=\"T\"/></StillImage>\n"
           "<StillImage Name=\"B\"><Texture Role=\"Texture\" Name=\"J\"/></StillImage>\n"
           "<Scene Name=\"S1\">\n<StillImage Role=\"BackgroundImage\" Name=\"A\"/>\n" +
           views +
           "</Scene>\n"
           "<Scene Name=\"S2\">\n<StillImage Role=\"BackgroundImage\" Name=\"B\"/>\n" +
           views +
           "</Scene>\n"
           "<Part Name=\"P1\"><float Role=\"EndTime\">0.3</float>"
           "<Scene Role=\"Scene\" Name=\"S1\"/></Part>\n"
           "<Part Name=\"P2\"><float Role=\"EndTime\">0.6</float>"
           "<Scene Role=\"Scene\" Name=\"S2\"/></Part>\n"
           "<Demo Name=\"D\">\n<String Role=\"SoundFile\"><string Role=\"s\">" +
           music +
           "</string></String>\n"
           "<Part Role=\"PartList\" Container=\"List\"><Part Name=\"P2\"/><Part "
           "Name=\"P1\"/></Part>\n"
           "</Demo>\n</Nimbus>\n";
}

bool Has(const std::string& log, const std::string& text) {
    return log.find(text) != std::string::npos;
}

}  // namespace

TEST(HostileProduction, HugePicturesAndAMegahertzStreamAreRefusedAndCounted) {
    const Production show(PicturesAndMusic("huge.tga", "huge.jpg", "fast.wav"));
    show.Add("huge.tga", test::CorpusPath("tga/regression-huge-header.tga"));
    show.Add("huge.jpg", test::CorpusPath("jpeg/regression-huge-header.jpg"));
    show.Add("fast.wav", test::CorpusPath("stream/regression-4mhz.wav"));
    std::string log;
    EXPECT_EQ(show.Play(&log), 1) << log;
    EXPECT_TRUE(Has(log, "Error: NBitmap: can not load <huge.tga>")) << log;
    EXPECT_TRUE(Has(log, "Error: NJPGFile: <huge.jpg> declares 16384x16384 pixels")) << log;
    EXPECT_TRUE(Has(log, "Error: NBitmap: can not load <huge.jpg>")) << log;
    EXPECT_TRUE(Has(log, "Error: StreamDecoder: <fast.wav> declares a rate of 4200000 Hz")) << log;
    EXPECT_TRUE(Has(log, "Destroy: Done.")) << log;
}

TEST(HostileProduction, MusicWhoseArchiveEntryLiesAboutItsSizeIsRefusedAndCounted) {
    const Production show("<Nimbus/>");  // the archive wins over the data folder
    std::filesystem::copy_file(test::CorpusPath("zip/regression-ratio-over-1000.dat"),
                               show / "show.dat");
    std::string log;
    EXPECT_EQ(show.Play(&log), 1) << log;
    EXPECT_TRUE(Has(log, "Error: NZipIO: entry [tune.ogg] declares 3145728 bytes")) << log;
    EXPECT_TRUE(Has(log, "NDemo: can't load music file")) << log;
    EXPECT_TRUE(Has(log, "Destroy: Done.")) << log;
}

namespace {

// A file of a hostile production. An entry of an archive with a `declared` size stores
// a thousandth of it in junk and declares the whole: as much as the archive reader
// believes of any entry, and far more than the test writes.
struct Entry {
    std::string name;
    std::string content;
    uint64_t declared = 0;
};

// `sheets` sheets of `lines` x `lines` vertices in one scene, turning by an angle of
// `keys` keys (a plain angle without keys), over a still picture, with the tune; the
// sheets' material samples a photo through a shader.
std::string Document(int sheets = 1, int lines = 2, int keys = 0) {
    std::string document = R"(<Nimbus>
<OrthoView Name="Flat"/>
<Texture Name="Picture">picture.tga</Texture><Texture Name="Photo">photo.jpg</Texture>
<StillImage Name="Back"><Texture Role="Texture" Name="Picture"/></StillImage>
<Shader Name="Plain"><string Role="VertexShaderFilename">plain.vert</string>
<string Role="FragmentShaderFilename">plain.frag</string></Shader>
<ParticleMaterial Name="M"><Shader Role="Shader" Name="Plain"/><Texture Role="Texture" Name="Photo"/>
</ParticleMaterial>
SHEETS
<PAANode Name="Turn"><Vector Role="Position">0 0 0</Vector><Vector Role="RotationAxis">0 0 1</Vector>
ANGLE<TransformNodeContent Role="Object"/></PAANode>
<Scene Name="S"><StillImage Role="BackgroundImage" Name="Back"/>
<OrthoView Role="View2D" Name="Flat"/><OrthoView Role="View3D" Name="Flat"/>
<TransformNode Role="Nodes" Container="Tree"><PAANode Name="Turn">NODES</PAANode></TransformNode>
</Scene>
<Part Name="P"><float Role="EndTime">0.5</float><Scene Role="Scene" Name="S"/></Part>
<Demo Name="D"><String Role="SoundFile"><string Role="s">tune.wav</string></String>
<Part Role="PartList" Container="List"><Part Name="P"/></Part></Demo>
</Nimbus>
)";
    std::string angle = "<Float Role=\"RotationAngle\">0</Float>";
    if (keys > 0) {
        // Twelve keys a line keeps within the reader's line length and line count.
        angle = "<BSFloatValue Role=\"RotationAngle\">\n";
        for (int k = 0; k < keys; ++k) {
            angle += k % 12 == 11 ? "<Key Time=\"0\">0</Key>\n" : "<Key Time=\"0\">0</Key>";
        }
        angle += "\n</BSFloatValue>";
    }
    std::string sheetObjects;
    std::string sheetNodes;
    for (int i = 0; i < sheets; ++i) {
        const std::string name = "<TransformNode Name=\"Sheet" + std::to_string(i) + "\"";
        sheetObjects += name +
                        "><RoundQuad Role=\"Object\"><ParticleMaterial Role=\"Material\" "
                        "Name=\"M\"/><int Role=\"Lines\">LINES</int><int "
                        "Role=\"Divisions\">LINES</int></RoundQuad></TransformNode>\n";
        sheetNodes += name + "/>";
    }
    // The sheets first: they hold the lines.
    for (const auto& [mark, text] : {std::pair<std::string, std::string>{"SHEETS", sheetObjects},
                                     {"NODES", sheetNodes},
                                     {"ANGLE", angle},
                                     {"LINES", std::to_string(lines)}}) {
        for (size_t at; (at = document.find(mark)) != std::string::npos;) {
            document.replace(at, mark.size(), text);
        }
    }
    return document;
}

// A sound production's files, `changed` put in place of those of the same name.
std::vector<Entry> Files(const std::vector<Entry>& changed) {
    std::vector<Entry> files = {
        {"show.xml", Document()},
        {"picture.tga", test::ReadFile(test::TestDataPath("images/utc24.tga"))},
        {"photo.jpg", test::ReadFile(test::TestDataPath("images/testorig.jpg"))},
        {"tune.wav", test::ReadFile(test::TestDataPath("music/tone.wav"))},
        {"plain.vert", "void main() { gl_Position = ftransform(); }\n"},
        {"plain.frag", "void main() { gl_FragColor = vec4(1.0); }\n"},
    };
    for (const Entry& entry : changed) {
        *std::find_if(files.begin(), files.end(),
                      [&](const Entry& file) { return file.name == entry.name; }) = entry;
    }
    return files;
}

void Pack(const std::string& archive, const std::vector<Entry>& files) {
    zipFile out = zipOpen(archive.c_str(), APPEND_STATUS_CREATE);
    ASSERT_NE(out, nullptr);
    for (const Entry& file : files) {
        zip_fileinfo info{};
        const bool lies = file.declared > 0;
        const std::string data = lies ? std::string(file.declared / 1000 + 1, 'x') : file.content;
        ASSERT_EQ(zipOpenNewFileInZip2(out, file.name.c_str(), &info, nullptr, 0, nullptr, 0,
                                       nullptr, Z_DEFLATED, Z_DEFAULT_COMPRESSION, lies ? 1 : 0),
                  ZIP_OK);
        zipWriteInFileInZip(out, data.data(), static_cast<unsigned>(data.size()));
        if (lies) {
            zipCloseFileInZipRaw(out, file.declared, 0);
        } else {
            zipCloseFileInZip(out);
        }
    }
    zipClose(out, nullptr);
}

// The tone's WAV header declaring another rate, and the bytes a second to match.
std::string ToneAtRate(uint32_t rate) {
    std::string wav = test::ReadFile(test::TestDataPath("music/tone.wav"));
    const size_t format = wav.find("fmt ");
    const uint32_t rates[2] = {rate, rate * 2};
    memcpy(&wav[format + 12], rates, sizeof rates);
    return wav;
}

struct HostileCase {
    const char* what;
    std::vector<Entry> files;
    bool archived;
    // In the player's log and in the check tool's output.
    std::string message;
    int exitCode = 1;
    // False where only setting the scenes up finds it, which the check tool does not.
    bool checked = true;
    // False where what the software renderer copies would hide what the engine takes
    // (two meshes at their bound are 120 MB of the engine's arrays and as much again
    // in the renderer's buffers): the case is played without drawing instead.
    bool drawn = true;
};

}  // namespace

// Each kind of production that once took gigabytes, minutes or the whole log, made
// small: every one ends by itself, with a message naming the cause, within the memory
// and the log a show may take, in the player and in the check tool alike.
TEST(HostileProduction, ProductionsBeyondTheBudgetsAreRefusedByThePlayerAndTheCheck) {
    constexpr uint64_t kMegabyte = 1 << 20;
    const HostileCase cases[] = {
        {"huge JPEG",
         {{"photo.jpg", test::ReadFile(test::CorpusPath("jpeg/regression-huge-header.jpg"))}},
         false,
         "Error: NJPGFile: <photo.jpg> declares 16384x16384 pixels"},
        {"huge TGA entry",
         {{"picture.tga", "", 805 * kMegabyte}},
         true,
         "Error: NBitmap: <picture.tga> declares 844103680 bytes, more than the 68157440 an "
         "image may have"},
        {"huge document entry",
         {{"show.xml", "", 900 * kMegabyte}},
         true,
         "Error: NText: <show.xml> declares 943718400 bytes, more than the 16777216 a document "
         "may have"},
        {"huge music entry",
         {{"tune.wav", "", 900 * kMegabyte}},
         true,
         "Error: NDemo: <tune.wav> declares 943718400 bytes, more than the 268435456 a music "
         "file may have"},
        {"music at 1 Hz",
         {{"tune.wav", ToneAtRate(1)}},
         false,
         "Error: StreamDecoder: <tune.wav> declares a rate of 1 Hz; music may have 8000 to "
         "192000 Hz"},
        {"huge shader",
         {{"plain.vert", std::string(kMegabyte + 1, '\n')}},
         false,
         "Error: NShader: <plain.vert> declares 1048577 bytes, more than the 1048576 a shader "
         "source may have"},
        {"three sheets at the bound of one mesh",
         {{"show.xml", Document(3, 1000)}},
         false,
         "Error: RoundQuad: 1000000 vertices would take the meshes of its scene to 3000000, "
         "beyond the 2000000 one scene may have",
         1,
         false,
         false},
        {"200,000 keys",
         {{"show.xml", Document(1, 2, 200000)}},
         false,
         "NKeyValue: AddKey granularity exceeded",
         0},
    };
    for (const HostileCase& hostile : cases) {
        SCOPED_TRACE(hostile.what);
        const Production show("");
        const std::vector<Entry> files = Files(hostile.files);
        if (hostile.archived) {
            Pack(show / "show.dat", files);
        } else {
            for (const Entry& file : files) {
                show.AddText(file.name, file.content);
            }
        }
        std::string log;
        playtest::Cost player;
        if (hostile.drawn) {
            EXPECT_EQ(show.Play(&log, {}, &player), hostile.exitCode);
        } else {
            EXPECT_EQ(show.CaptureWithoutDisplay("--stats --no-draw", &log, &player),
                      hostile.exitCode);
        }
        EXPECT_EQ(playtest::Occurrences(log, hostile.message), 1) << log.substr(0, 4000);
        EXPECT_LE(log.size(), 1u << 20);
        std::string output;
        playtest::Cost check;
        if (hostile.checked) {
            EXPECT_EQ(show.Check(&output, &check), hostile.exitCode);
            EXPECT_EQ(playtest::Occurrences(output, hostile.message), 1) << output.substr(0, 4000);
        }
        printf("%s: player %ld KiB %.1f s, check %ld KiB %.1f s\n", hostile.what, player.peakKiB,
               player.seconds, check.peakKiB, check.seconds);
#if !defined(__SANITIZE_ADDRESS__)
        EXPECT_LT(player.peakKiB, 200 * 1024);
        EXPECT_LT(check.peakKiB, 200 * 1024);
#endif
    }
}

// The entries of an archive together may declare no more than a production may hold,
// whatever each of them declares alone.
TEST(HostileProduction, ArchiveDeclaringMoreThanAProductionMayHoldIsNotMounted) {
    const Production show("");
    std::filesystem::copy_file(test::CorpusPath("zip/regression-declares-2gib.dat"),
                               show / "show.dat");
    const std::string refusal =
        "> declares 2147484053 bytes in all, more than the 1073741824 a "
        "production may have";
    std::string log;
    EXPECT_EQ(show.Play(&log), 1) << log;
    EXPECT_EQ(playtest::Occurrences(log, refusal), 1) << log;
    std::string output;
    EXPECT_EQ(show.Check(&output), 1) << output;
    EXPECT_EQ(playtest::Occurrences(output, refusal), 1) << output;
}

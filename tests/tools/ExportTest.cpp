// The capture tool's export end to end: MP4 files checked with ffprobe, the sound
// against the music decoded directly, and the ways an export can fail.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "PlayHarness.h"
#include "sound/OfflineMusic.h"
#include "sound/SoundTestSupport.h"

using playtest::Environment;
using playtest::Near;
using playtest::Production;
using playtest::Program;
using playtest::XServer;

namespace {

// A show of one grey part ending at `endTime` that plays `music`, by default the
// 3-second test tune (which the test adds).
std::string GreyShow(const std::string& endTime, const std::string& music = "tone.ogg") {
    return "<Nimbus>\n<OrthoView Name=\"Flat\"/>\n"
           "<StillImage Name=\"Grey\"><Color Role=\"Color\">#808080</Color></StillImage>\n"
           "<Scene Name=\"S\"><StillImage Role=\"BackgroundImage\" Name=\"Grey\"/>"
           "<OrthoView Role=\"View2D\" Name=\"Flat\"/></Scene>\n"
           "<Part Name=\"P\"><float Role=\"EndTime\">" +
           endTime +
           "</float><Scene Role=\"Scene\" Name=\"S\"/></Part>\n"
           "<Demo Name=\"D\"><String Role=\"SoundFile\"><string Role=\"s\">" +
           music +
           "</string></String>"
           "<Part Role=\"PartList\" Container=\"List\"><Part Name=\"P\"/></Part></Demo>\n"
           "</Nimbus>\n";
}

void AddTune(const Production& show) {
    show.Add("tone.ogg", test::TestDataPath("music/tone.ogg"));
}

// Runs the capture tool in the show's folder on a private X server.
int Capture(const Production& show, const std::string& arguments, std::string* output,
            const std::vector<std::string>& environment = {}) {
    XServer x;
    Program capture(show.Path(), std::string(NIMBUS_CAPTURE_PATH) + " " + arguments + " show",
                    Environment(x, environment));
    return capture.Wait(output);
}

// What ffprobe says of the file's streams, one "key=value" a line.
std::string Probe(const std::string& path) {
    const std::string command =
        "ffprobe -v error -count_frames -show_entries "
        "stream=codec_type,codec_name,width,height,nb_read_frames,duration -of default=nw=1 '" +
        path + "'";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char block[256];
        while (fgets(block, sizeof block, pipe)) {
            output += block;
        }
        pclose(pipe);
    }
    return output;
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The durations ffprobe gives, in order of the streams.
std::vector<double> Durations(const std::string& probe) {
    std::vector<double> durations;
    for (size_t at = probe.find("duration="); at != std::string::npos;
         at = probe.find("duration=", at + 1)) {
        durations.push_back(atof(probe.c_str() + at + 9));
    }
    return durations;
}

std::vector<float> ReadWav(const std::string& path, SF_INFO* info) {
    std::vector<float> samples;
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, info);
    if (file) {
        samples.resize(static_cast<size_t>(info->frames * info->channels));
        sf_readf_float(file, samples.data(), info->frames);
        sf_close(file);
    }
    return samples;
}

// Stereo frames [first, first + count) of the test tune, decoded directly.
std::vector<float> TuneDecoded(long first, long count) {
    const std::vector<unsigned char> image = soundtest::ReadMusic("tone.ogg");
    std::vector<float> stereo;
    const auto music = OpenMusic(image.data(), image.size());
    if (music) {
        DecodeSpan(*music, first, count, &stereo);
    }
    return stereo;
}

// The largest difference between the first `count` samples of the two.
float LargestDifference(const std::vector<float>& a, const std::vector<float>& b, size_t count) {
    float largest = 0;
    for (size_t i = 0; i < count && i < a.size() && i < b.size(); ++i) {
        largest = std::max(largest, std::fabs(a[i] - b[i]));
    }
    return a.size() < count || b.size() < count ? 1.0f : largest;
}

constexpr float kOneStepOf16Bits = 1.0f / 32768.0f;

// `seconds` of silence at 48 kHz with a 10 ms burst of 1 kHz at every half second
// (0.5 s, 1.5 s, ...), written through libsndfile in `format`.
void WriteClicks(const std::string& path, int format, int seconds) {
    constexpr int kRate = 48000;
    SF_INFO info = {0, kRate, 1, format, 0, 0};
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
    std::vector<float> second(kRate, 0.0f);
    for (int i = 0; i < kRate / 100; ++i) {
        second[kRate / 2 + i] = static_cast<float>(0.8 * std::sin(2.0 * M_PI * 1000.0 * i / kRate));
    }
    for (int s = 0; s < seconds; ++s) {
        sf_writef_float(file, second.data(), kRate);
    }
    sf_close(file);
}

// The first sample of each burst: loud after at least 0.2 s without one.
std::vector<long> Onsets(const std::vector<float>& stereo) {
    std::vector<long> onsets;
    for (size_t i = 0; i < stereo.size(); i += 2) {
        const long frame = static_cast<long>(i / 2);
        if (std::fabs(stereo[i]) > 0.4f && (onsets.empty() || frame > onsets.back() + 8820)) {
            onsets.push_back(frame);
        }
    }
    return onsets;
}

}  // namespace

TEST(Export, ThreeSecondsOfVideoWithTheMusicOfExactlyThatSpan) {
    const Production show(GreyShow("5"));
    AddTune(show);
    std::string output;
    ASSERT_EQ(
        Capture(show, "--video out.mp4 --wav out.wav --from 0 --to 3 --size 320x240", &output), 0)
        << output;
    const std::string probe = Probe(show / "out.mp4");
    EXPECT_TRUE(Has(probe, "codec_name=h264\ncodec_type=video\nwidth=320\nheight=240\n")) << probe;
    EXPECT_TRUE(Has(probe, "nb_read_frames=90\n")) << probe;
    EXPECT_TRUE(Has(probe, "codec_name=aac\ncodec_type=audio\n")) << probe;
    for (double duration : Durations(probe)) {
        EXPECT_NEAR(duration, 3.0, 0.05) << probe;
    }
    EXPECT_EQ(Durations(probe).size(), 2u) << probe;

    SF_INFO info = {};
    const std::vector<float> sound = ReadWav(show / "out.wav", &info);
    EXPECT_EQ(info.samplerate, 44100);
    EXPECT_EQ(info.channels, 2);
    EXPECT_EQ(info.frames, 3 * 44100);
    EXPECT_LE(LargestDifference(sound, TuneDecoded(0, 44100), 2 * 44100), kOneStepOf16Bits);
}

TEST(Export, SoundAloneNeedsNoDisplayAndStartsWhereTheSpanDoes) {
    const Production show(GreyShow("5"));
    AddTune(show);
    Program capture(show.Path(),
                    std::string(NIMBUS_CAPTURE_PATH) + " --wav out.wav --from 1 --to 2 show",
                    {"DISPLAY="});
    std::string output;
    ASSERT_EQ(capture.Wait(&output), 0) << output;
    SF_INFO info = {};
    const std::vector<float> sound = ReadWav(show / "out.wav", &info);
    EXPECT_EQ(info.frames, 44100);
    EXPECT_LE(LargestDifference(sound, TuneDecoded(44100, 44100), 2 * 44100), kOneStepOf16Bits);

    // The sound of a whole long show is written as it is decoded: the export holds
    // what a short one does, where the whole sound at once would take 212 MB.
    const Production longShow(GreyShow("600"));
    AddTune(longShow);
    Program whole(longShow.Path(), std::string(NIMBUS_CAPTURE_PATH) + " --wav out.wav show",
                  {"DISPLAY="});
    playtest::Cost cost;
    ASSERT_EQ(whole.Wait(&output, &cost), 0) << output;
    SF_INFO wholeInfo = {};
    SNDFILE* file = sf_open((longShow / "out.wav").c_str(), SFM_READ, &wholeInfo);
    ASSERT_NE(file, nullptr);
    sf_close(file);
    EXPECT_EQ(wholeInfo.frames, 600 * 44100);
    EXPECT_EQ(wholeInfo.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
#if !defined(__SANITIZE_ADDRESS__)
    EXPECT_LT(cost.peakKiB, 64 * 1024);
#endif
}

// A 48 kHz track converted to the 44.1 kHz music rate keeps its time to the end of
// a long show, in the export and in the check tool's length alike.
TEST(Export, LongTracksAt48kHzKeepTheirOnsetsAndTheirLength) {
    for (const char* name : {"clicks.wav", "clicks.ogg"}) {
        SCOPED_TRACE(name);
        const Production show(GreyShow("125", name));
        WriteClicks(
            show / (std::string("data/") + name),
            Has(name, ".wav") ? SF_FORMAT_WAV | SF_FORMAT_PCM_16 : SF_FORMAT_OGG | SF_FORMAT_VORBIS,
            121);
        Program capture(
            show.Path(),
            std::string(NIMBUS_CAPTURE_PATH) + " --wav out.wav --from 119 --to 121 show",
            {"DISPLAY="});
        std::string output;
        ASSERT_EQ(capture.Wait(&output), 0) << output;
        SF_INFO info = {};
        const std::vector<long> onsets = Onsets(ReadWav(show / "out.wav", &info));
        ASSERT_EQ(onsets.size(), 2u);
        // 119.5 s and 120.5 s, each within a millisecond.
        EXPECT_NEAR(onsets[0], 22050, 44);
        EXPECT_NEAR(onsets[1], 66150, 44);

        Program check(show.Path(), std::string(NIMBUS_CHECK_PATH) + " show", {"DISPLAY="});
        check.Wait(&output);
        EXPECT_TRUE(Has(output, std::string("  music: ") + name + "  121.000 s\n")) << output;
    }
}

TEST(Export, WideSizeLetterboxesThePicture) {
    const Production show(GreyShow("1"));
    AddTune(show);
    std::string output;
    ASSERT_EQ(Capture(show, "--out frames --at 0.5 --size 400x200", &output), 0) << output;
    const playtest::Picture frame = playtest::ReadPng(show / "frames/show-0000500.png");
    ASSERT_EQ(frame.width, 400);
    ASSERT_EQ(frame.height, 200);
    // The 4:3 picture is 266 pixels wide, in the middle.
    EXPECT_TRUE(Near(frame.At(200, 100), 0x808080)) << std::hex << frame.At(200, 100);
    EXPECT_TRUE(Near(frame.At(70, 0), 0x808080)) << std::hex << frame.At(70, 0);
    EXPECT_TRUE(Near(frame.At(60, 100), 0x000000)) << std::hex << frame.At(60, 100);
    EXPECT_TRUE(Near(frame.At(340, 199), 0x000000)) << std::hex << frame.At(340, 199);
}

TEST(Export, FailuresAreReportedAndNeverHang) {
    const Production show(GreyShow("5"));
    AddTune(show);
    const std::string path = getenv("PATH") ? getenv("PATH") : "";
    std::string output;

    // No ffmpeg: said before anything is played.
    EXPECT_EQ(Capture(show, "--video out.mp4", &output, {"PATH=/nonexistent"}), 1);
    EXPECT_TRUE(Has(output, "Error: nimbus-capture: ffmpeg is not installed")) << output;

    // An encoder that takes a few frames and dies.
    test::WriteFile(show / "bin/ffmpeg", "#!/bin/sh\nhead -c 100000 >/dev/null\nexit 3\n");
    std::filesystem::permissions(show / "bin/ffmpeg", std::filesystem::perms::owner_all);
    EXPECT_EQ(Capture(show, "--video out.mp4", &output, {"PATH=" + show / "bin" + ":" + path}), 1);
    EXPECT_TRUE(Has(output, "Error: nimbus-capture: ffmpeg stopped with exit status 3\n"))
        << output;

    EXPECT_EQ(Capture(show, "--video no/such/folder/out.mp4", &output), 1);
    EXPECT_TRUE(Has(output, "Error: nimbus-capture: can't write no/such/folder/out.mp4")) << output;
    EXPECT_EQ(Capture(show, "--wav out.wav --from 6 --to 7", &output), 1);
    EXPECT_TRUE(Has(output, "Error: nimbus-capture: nothing to export")) << output;
}

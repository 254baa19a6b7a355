#include "sound/StreamDecoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "SoundTestSupport.h"
#include "TestSupport.h"
#include "base/Con.h"
#include "sound/OfflineMusic.h"

// SDL's resampler overflowed its sizes for rates in the megahertz, and resampling a
// rate of a few hertz takes hundreds of megabytes; such streams are refused and
// counted, naming the file, while the lowest and highest real rates play.
TEST(StreamDecoder, RatesOutsideRealMusicAreRefusedAndTheEdgesPlay) {
    std::string wav = test::ReadFile(test::CorpusPath("stream/regression-4mhz.wav"));
    const size_t format = wav.find("fmt ");
    ASSERT_NE(format, std::string::npos);
    Con.EnableBuffer(true);
    for (const uint32_t rate : {4200000u, kMaxSampleRate + 1, kMaxSampleRate, 8000u, 7999u, 1u}) {
        SCOPED_TRACE(rate);
        // The mono 16-bit file's rate, then its bytes a second.
        const uint32_t rates[2] = {rate, rate * 2};
        memcpy(&wav[format + 12], rates, sizeof rates);
        Con.EnableBuffer(false);
        Con.EnableBuffer(true);
        Con.ResetErrorCount();
        auto decoder = StreamDecoder::Open(reinterpret_cast<const unsigned char*>(wav.data()),
                                           wav.size(), 44100, "tune.wav");
        const bool plays = rate >= 8000 && rate <= kMaxSampleRate;
        EXPECT_EQ(decoder != nullptr, plays);
        EXPECT_EQ(Con.ErrorCount(), plays ? 0 : 1);
        if (decoder) {
            float stereo[2 * 64];
            EXPECT_EQ(decoder->Decode(stereo, 64), 64);
            EXPECT_GT(decoder->DeclaredSeconds(), 0.0);
        } else {
            EXPECT_EQ(std::string(Con.BufferText()),
                      "Error: StreamDecoder: <tune.wav> declares a rate of " +
                          std::to_string(rate) + " Hz; music may have 8000 to 192000 Hz\r\n");
        }
    }
    Con.ResetErrorCount();
}

// libsndfile walks the parts of a LIST or INFO chunk with a 32-bit count that a part
// declaring gigabytes wraps, sending it over the same bytes for minutes; such files
// are refused at once and counted, while a WAV with a well-formed LIST chunk (a
// title) still plays.
TEST(StreamDecoder, ListChunksDeclaringMoreThanTheyHoldAreRefusedAndTitledFilesPlay) {
    Con.EnableBuffer(true);
    for (const char* name : {"regression-list-wrap.wav", "regression-info-wrap.wav"}) {
        SCOPED_TRACE(name);
        const std::string damaged = test::ReadFile(test::CorpusPath(std::string("stream/") + name));
        Con.EnableBuffer(false);
        Con.EnableBuffer(true);
        Con.ResetErrorCount();
        EXPECT_EQ(StreamDecoder::Open(reinterpret_cast<const unsigned char*>(damaged.data()),
                                      damaged.size(), 44100, "tune.wav"),
                  nullptr);
        EXPECT_EQ(Con.ErrorCount(), 1);
        EXPECT_EQ(std::string(Con.BufferText()),
                  "Error: StreamDecoder: <tune.wav> is a damaged WAV file: a LIST or INFO chunk "
                  "declares more than it holds\r\n");
    }
    Con.ResetErrorCount();

    std::vector<unsigned char> titled = soundtest::ReadMusic("tone.wav");
    const unsigned char list[] = {'L', 'I', 'S', 'T', 18, 0, 0, 0,   'I', 'N', 'F', 'O', 'I',
                                  'N', 'A', 'M', 5,   0,  0, 0, 't', 'u', 'n', 'e', 0,   0};
    titled.insert(titled.begin() + 12, std::begin(list), std::end(list));
    const uint32_t riffSize = static_cast<uint32_t>(titled.size() - 8);
    memcpy(&titled[4], &riffSize, sizeof riffSize);
    auto decoder = StreamDecoder::Open(titled.data(), titled.size(), 44100, "tune.wav");
    ASSERT_NE(decoder, nullptr);
    float stereo[2 * 64];
    EXPECT_EQ(decoder->Decode(stereo, 64), 64);
    EXPECT_EQ(Con.ErrorCount(), 0);
}

// Every format at its own rate and channel count comes out as exactly as many
// frames at the output rate as its length asks, however the caller divides the
// decoding into blocks, and from its start again after a rewind.
TEST(StreamDecoder, EveryFormatDecodesToItsExactLengthInBlocksOfAnySize) {
    struct Format {
        const char* name;
        int format;
        int rate;
        int channels;
        long slack;  // lossy codecs round their length to their own blocks
    };
    const Format formats[] = {
        {"wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 1, 0},
        {"aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_24, 44100, 2, 0},
        {"flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 48000, 6, 0},
        {"ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 32000, 2, 0},
        {"opus", SF_FORMAT_OGG | SF_FORMAT_OPUS, 48000, 1, 0},
        {"mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 44100, 2, 0},
    };
    test::TempDir dir;
    for (const Format& format : formats) {
        SCOPED_TRACE(format.name);
        const std::string path = dir / (std::string("tone.") + format.name);
        soundtest::WriteTone(path, format.format, format.rate, format.channels, 2.0);
        const std::vector<unsigned char> image = soundtest::ReadBytes(path);
        auto decoder = StreamDecoder::Open(image.data(), image.size(), kMusicRate);
        ASSERT_NE(decoder, nullptr);
        // The header's length, where there is one, is what decoding finds.
        const MusicLength declared = MeasureMusic(*decoder, 1.0);
        ASSERT_TRUE(decoder->Rewind());
        const long frames = CountFrames(*decoder);
        EXPECT_NEAR(frames, 2 * kMusicRate, format.slack);
        EXPECT_NEAR(declared.seconds * kMusicRate, frames, 1);
        EXPECT_EQ(declared.complete, decoder->DeclaredSeconds() >= 0);
        ASSERT_TRUE(decoder->Rewind());
        std::vector<float> whole;
        DecodeSpan(*decoder, 0, frames, &whole);
        ASSERT_TRUE(decoder->Rewind());
        std::vector<float> pieces(whole.size() + 2 * 4096, 0.0f);
        long done = 0;
        for (int block = 1; 2 * (done + block) <= static_cast<long>(pieces.size());
             block = std::min(block * 3 + 1, 4000)) {
            const int got = decoder->Decode(&pieces[2 * done], block);
            done += got;
            if (got < block) {
                break;
            }
        }
        EXPECT_EQ(done, frames);
        pieces.resize(whole.size());
        EXPECT_EQ(pieces, whole);
    }
}

// A module declares no length: it is decoded, but no further than the caller needs.
TEST(OfflineMusic, ModulesAreMeasuredNoFurtherThanNeeded) {
    const std::vector<unsigned char> image = soundtest::ReadMusic("test.mod");
    auto measure = [&](double enough) {
        auto music = OpenMusic(image.data(), image.size());
        return music ? MeasureMusic(*music, enough) : MusicLength{-1, false};
    };
    auto music = OpenMusic(image.data(), image.size());
    ASSERT_NE(music, nullptr);
    const double whole = static_cast<double>(CountFrames(*music)) / kMusicRate;
    const MusicLength all = measure(60);
    EXPECT_TRUE(all.complete);
    EXPECT_DOUBLE_EQ(all.seconds, whole);
    const MusicLength part = measure(0.5);
    EXPECT_FALSE(part.complete);
    EXPECT_GE(part.seconds, 0.5);
    EXPECT_LT(part.seconds, whole);
}

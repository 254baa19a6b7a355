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

// SDL's resampler overflowed its sizes for rates in the megahertz; such a stream is
// damage, refused and counted, while the highest real rate plays.
TEST(StreamDecoder, RatesAboveTheCapAreRefusedAndTheCapItselfPlays) {
    std::string wav = test::ReadFile(test::CorpusPath("stream/regression-4mhz.wav"));
    auto open = [&] {
        return StreamDecoder::Open(reinterpret_cast<const unsigned char*>(wav.data()), wav.size(),
                                   44100);
    };
    Con.EnableBuffer(true);
    Con.ResetErrorCount();
    EXPECT_EQ(open(), nullptr);
    EXPECT_EQ(Con.ErrorCount(), 1);
    EXPECT_STREQ(Con.BufferText(),
                 "Error: StreamDecoder: the music's rate of 4200000 Hz is above 192000 Hz\r\n");
    // The same mono 16-bit file at 192 kHz: the rate, then the bytes a second.
    const size_t format = wav.find("fmt ");
    ASSERT_NE(format, std::string::npos);
    const uint32_t rates[2] = {kMaxSampleRate, kMaxSampleRate * 2};
    memcpy(&wav[format + 12], rates, sizeof rates);
    auto decoder = open();
    ASSERT_NE(decoder, nullptr);
    float stereo[2 * 64];
    EXPECT_EQ(decoder->Decode(stereo, 64), 64);
    Con.ResetErrorCount();
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
        const long frames = CountFrames(*decoder);
        EXPECT_NEAR(frames, 2 * kMusicRate, format.slack);
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

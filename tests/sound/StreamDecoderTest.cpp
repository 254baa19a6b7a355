#include "sound/StreamDecoder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "TestSupport.h"
#include "base/Con.h"

// SDL's resampler overflows its sizes for rates in the megahertz, so a stream above
// the audio library's own cap is refused before a converter is made.
TEST(StreamDecoder, RatesAboveTheCapAreRefusedAndTheCapItselfPlays) {
    std::string wav = test::ReadFile(test::CorpusPath("stream/regression-4mhz.wav"));
    auto open = [&] {
        return StreamDecoder::Open(reinterpret_cast<const unsigned char*>(wav.data()), wav.size(),
                                   44100);
    };
    Con.EnableBuffer(true);
    EXPECT_EQ(open(), nullptr);
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
}

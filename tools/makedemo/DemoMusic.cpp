#include "makedemo/DemoMedia.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// [SECTION] The tune
// ---------------------------------------------------------------------------

constexpr int kRate = 44100;
constexpr double kBeat = kTuneBeatSeconds;
constexpr double kBar = kTuneBarSeconds;

double Clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}

double NoteFrequency(int midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

// Stereo float samples, mixed note by note.
class Mixdown {
  public:
    explicit Mixdown(double seconds) : left(Frames(seconds)), right(Frames(seconds)) {}

    static size_t Frames(double seconds) { return static_cast<size_t>(seconds * kRate); }
    size_t Length() const { return left.size(); }

    // Adds `voice` (time since the note began -> sample) from `start` for `length`
    // seconds, panned from -1 (left) to 1 (right).
    void Add(double start, double length, double pan, const std::function<double(double)>& voice) {
        const size_t first = Frames(start);
        const size_t count = Frames(length);
        for (size_t i = 0; i < count && first + i < Length(); ++i) {
            const double sample = voice(static_cast<double>(i) / kRate);
            left[first + i] += static_cast<float>(sample * (1.0 - pan) * 0.5);
            right[first + i] += static_cast<float>(sample * (1.0 + pan) * 0.5);
        }
    }

    // Fades in over the first second and out over the last two, then soft-clips.
    std::vector<float> Interleaved() const {
        std::vector<float> frames(Length() * 2);
        const double total = static_cast<double>(Length()) / kRate;
        for (size_t i = 0; i < Length(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            const double gain = Clamp01(t) * Clamp01((total - t) / 2.0);
            frames[i * 2] = static_cast<float>(std::tanh(left[i] * gain));
            frames[i * 2 + 1] = static_cast<float>(std::tanh(right[i] * gain));
        }
        return frames;
    }

  private:
    std::vector<float> left;
    std::vector<float> right;
};

// A fixed sequence of pseudo-random numbers, so every build renders the same tune.
class Dice {
  public:
    uint32_t Next() {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    }
    double Noise() { return (Next() % 20001) / 10000.0 - 1.0; }

  private:
    uint32_t state = 20261208u;
};

double Envelope(double t, double length, double attack, double release) {
    return Clamp01(t / attack) * Clamp01((length - t) / release);
}

void AddPad(Mixdown& mix, int note, double start, double length) {
    const double f = NoteFrequency(note);
    for (double detune : {-0.004, 0.004}) {
        mix.Add(start, length, detune * 150.0, [=](double t) {
            const double phase = 2.0 * M_PI * f * (1.0 + detune) * t;
            const double tone =
                std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.12 * std::sin(3 * phase);
            return 0.05 * tone * Envelope(t, length, 0.3, 0.3);
        });
    }
}

void AddBass(Mixdown& mix, int note, double start, double length) {
    const double f = NoteFrequency(note);
    mix.Add(start, length, 0.0, [=](double t) {
        const double phase = 2.0 * M_PI * f * t;
        return 0.22 * (std::sin(phase) + 0.4 * std::sin(2 * phase)) * std::exp(-3.0 * t) *
               Envelope(t, length, 0.005, 0.02);
    });
}

void AddLead(Mixdown& mix, int note, double start, double length) {
    const double f = NoteFrequency(note);
    mix.Add(start, length, 0.3, [=](double t) {
        const double vibrato = 1.0 + 0.004 * std::sin(2.0 * M_PI * 5.5 * t);
        const double cycle = std::fmod(f * vibrato * t, 1.0);
        const double triangle = 4.0 * std::abs(cycle - 0.5) - 1.0;
        return 0.16 * triangle * std::exp(-1.5 * t) * Envelope(t, length, 0.01, 0.05);
    });
}

void AddKick(Mixdown& mix, double start) {
    mix.Add(start, 0.3, 0.0, [](double t) {
        const double phase = 2.0 * M_PI * (45.0 * t + 75.0 * (1.0 - std::exp(-t * 25.0)) / 25.0);
        return 0.55 * std::sin(phase) * std::exp(-t * 12.0);
    });
}

void AddSnare(Mixdown& mix, double start, Dice& dice) {
    std::vector<double> noise(Mixdown::Frames(0.2));
    for (double& n : noise) {
        n = dice.Noise();
    }
    mix.Add(start, 0.2, -0.1, [&noise](double t) {
        const double n = noise[std::min(noise.size() - 1, Mixdown::Frames(t))];
        return (0.2 * n + 0.15 * std::sin(2.0 * M_PI * 185.0 * t)) * std::exp(-t * 22.0);
    });
}

void AddHat(Mixdown& mix, double start, Dice& dice) {
    std::vector<double> noise(Mixdown::Frames(0.06) + 1);
    for (double& n : noise) {
        n = dice.Noise();
    }
    mix.Add(start, 0.06, -0.4, [&noise](double t) {
        const size_t i = std::min(noise.size() - 2, Mixdown::Frames(t));
        return 0.06 * (noise[i + 1] - noise[i]) * std::exp(-t * 60.0);
    });
}

// Plucked chord tones, an octave above the pads.
void AddPluck(Mixdown& mix, int note, double start, double pan) {
    const double f = NoteFrequency(note);
    mix.Add(start, 0.4, pan, [=](double t) {
        const double phase = 2.0 * M_PI * f * t;
        return 0.07 * (std::sin(phase) + 0.25 * std::sin(3 * phase)) * std::exp(-t * 9.0) *
               Envelope(t, 0.4, 0.003, 0.05);
    });
}

// A short rising noise at the end of a section, into the next one.
void AddSweep(Mixdown& mix, double start, double length, Dice& dice) {
    std::vector<double> noise(Mixdown::Frames(length) + 1);
    for (double& n : noise) {
        n = dice.Noise();
    }
    mix.Add(start, length, 0.2, [&noise, length](double t) {
        const double n = noise[std::min(noise.size() - 1, Mixdown::Frames(t))];
        return 0.08 * n * (t / length) * (t / length);
    });
}

// A cymbal's wash: bright noise, a quick attack and a long tail, on the downbeat
// where the picture changes, so the eye's cut and the ear's accent fall together.
void AddCrash(Mixdown& mix, double start, Dice& dice) {
    constexpr double kLength = 1.6;
    std::vector<double> noise(Mixdown::Frames(kLength) + 1);
    for (double& n : noise) {
        n = dice.Noise();
    }
    mix.Add(start, kLength, 0.3, [&noise](double t) {
        const size_t i = std::min(noise.size() - 2, Mixdown::Frames(t));
        // The difference of neighbouring samples keeps the hiss and drops the rumble.
        return 0.09 * (noise[i + 1] - noise[i]) * std::exp(-t * 2.6) * Clamp01(t / 0.004);
    });
}

struct Chord {
    int bass;
    int tones[3];
};
// A minor, F major, C major, G major: one chord a bar.
constexpr Chord kVerse[4] = {
    {45, {57, 60, 64}}, {41, {57, 60, 65}}, {48, {55, 60, 64}}, {43, {55, 59, 62}}};
// D minor, B flat major, F major, E major, which leads back to A minor.
constexpr Chord kBridge[4] = {
    {50, {62, 65, 69}}, {46, {58, 62, 65}}, {41, {57, 60, 65}}, {40, {56, 59, 64}}};
// A minor pentatonic, the lead's notes.
constexpr int kScale[] = {69, 72, 74, 76, 79, 81, 84};

// What plays from a bar on, up to the next section. The tempo never changes, so
// every section starts on a bar line the show can cut on.
struct Section {
    int firstBar;
    const Chord* chords;
    bool bass, kick, snare, lead, arpeggio;
};
constexpr Section kSections[] = {
    {0, kVerse, false, false, false, false, false},   // 0 s: pads alone
    {2, kVerse, true, false, false, false, false},    // 4 s: the bass comes in
    {4, kVerse, true, true, false, false, false},     // 8 s: the kick
    {8, kVerse, true, true, true, true, false},       // 16 s: the whole groove
    {16, kBridge, false, false, false, false, true},  // 32 s: the break, plucked
    {20, kBridge, true, true, false, false, true},    // 40 s: building up again
    {24, kVerse, true, true, true, true, true},       // 48 s: everything
    {32, kVerse, true, false, false, false, false},   // 64 s: pads and bass to the end
};

// The bars on which the bundled show changes to a part that the drums carry in.
constexpr int kAccentBars[] = {4, 8, 12, 20, 24, 28, 32};

bool IsAccentBar(int bar) {
    return std::find(std::begin(kAccentBars), std::end(kAccentBars), bar) != std::end(kAccentBars);
}

const Section& SectionAt(int bar) {
    const Section* section = &kSections[0];
    for (const Section& next : kSections) {
        if (next.firstBar <= bar) {
            section = &next;
        }
    }
    return *section;
}

void AddDrums(Mixdown& mix, const Section& section, double start, Dice& dice) {
    for (int beat = 0; beat < 4; ++beat) {
        if (section.kick && (beat % 2 == 0 || section.snare)) {
            AddKick(mix, start + beat * kBeat);
        }
        if (section.snare && beat % 2 == 1) {
            AddSnare(mix, start + beat * kBeat, dice);
        }
        if (section.snare) {
            AddHat(mix, start + beat * kBeat + kBeat / 2, dice);
        }
    }
}

void AddLeadLine(Mixdown& mix, double start, Dice& dice) {
    int step = static_cast<int>(dice.Next() % 3);
    for (int eighth = 0; eighth < 8; ++eighth) {
        if (dice.Next() % 4 == 0) {
            continue;  // a rest
        }
        step = std::clamp(step + static_cast<int>(dice.Next() % 5) - 2, 0, 6);
        AddLead(mix, kScale[step], start + eighth * kBeat / 2, kBeat * 0.45);
    }
}

void ComposeBar(Mixdown& mix, int bar, int bars, Dice& dice) {
    const double start = bar * kBar;
    const Section& section = SectionAt(bar);
    const Chord& chord = section.chords[(bar - section.firstBar) % 4];
    for (int tone : chord.tones) {
        AddPad(mix, tone, start, kBar);
    }
    if (section.bass) {
        for (int eighth = 0; eighth < 8; ++eighth) {
            AddBass(mix, chord.bass + (eighth % 4 == 3 ? 12 : 0), start + eighth * kBeat / 2,
                    kBeat / 2);
        }
    }
    if (IsAccentBar(bar)) {
        AddCrash(mix, start, dice);
    }
    if (section.arpeggio) {
        for (int sixteenth = 0; sixteenth < 16; ++sixteenth) {
            const int tone = chord.tones[sixteenth % 3] + (sixteenth % 6 < 3 ? 12 : 24);
            AddPluck(mix, tone, start + sixteenth * kBeat / 4, sixteenth % 2 == 0 ? -0.5 : 0.5);
        }
    }
    if (bar >= bars - 2) {
        return;  // the last two bars ring out
    }
    AddDrums(mix, section, start, dice);
    if (section.lead) {
        AddLeadLine(mix, start, dice);
    }
    if (&SectionAt(bar + 1) != &section) {
        AddSweep(mix, start + kBar - kBeat, kBeat, dice);
    }
}

// ---------------------------------------------------------------------------
// [SECTION] The module
// ---------------------------------------------------------------------------

// ProTracker periods from C-1 to B-3.
constexpr uint16_t kPeriods[36] = {856, 808, 762, 720, 678, 640, 604, 570, 538, 508, 480, 453,
                                   428, 404, 381, 360, 339, 320, 302, 285, 269, 254, 240, 226,
                                   214, 202, 190, 180, 170, 160, 151, 143, 135, 127, 120, 113};

void PutBigEndian16(std::vector<unsigned char>& bytes, size_t at, unsigned value) {
    bytes[at] = static_cast<unsigned char>(value >> 8);
    bytes[at + 1] = static_cast<unsigned char>(value & 0xFF);
}

// One pattern cell: instrument 1 playing the note, no effect.
void PutNote(std::vector<unsigned char>& cell, size_t at, int noteIndex) {
    const unsigned period = kPeriods[noteIndex];
    cell[at] = static_cast<unsigned char>(period >> 8);
    cell[at + 1] = static_cast<unsigned char>(period & 0xFF);
    cell[at + 2] = 0x10;
    cell[at + 3] = 0;
}

// The Vorbis encoder crashes when handed a minute of sound in one call, so the
// frames go in blocks.
bool WriteInBlocks(SNDFILE* file, const std::vector<float>& interleaved) {
    constexpr sf_count_t kBlock = 4096;
    const sf_count_t total = static_cast<sf_count_t>(interleaved.size() / 2);
    for (sf_count_t at = 0; at < total; at += kBlock) {
        const sf_count_t count = std::min(kBlock, total - at);
        if (sf_writef_float(file, interleaved.data() + at * 2, count) != count) {
            return false;
        }
    }
    return true;
}

}  // namespace

int WriteTune(const std::string& path, double seconds) {
    Mixdown mix(seconds);
    Dice dice;
    const int bars = static_cast<int>(std::ceil(seconds / kBar));
    for (int bar = 0; bar < bars; ++bar) {
        ComposeBar(mix, bar, bars, dice);
    }
    const std::vector<float> frames = mix.Interleaved();
    SF_INFO info = {0, kRate, 2, SF_FORMAT_OGG | SF_FORMAT_VORBIS, 0, 0};
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) {
        return 1;
    }
    double quality = 0.3;
    sf_command(file, SFC_SET_VBR_ENCODING_QUALITY, &quality, sizeof quality);
    const bool written = WriteInBlocks(file, frames);
    return sf_close(file) == 0 && written ? 0 : 1;
}

int WriteModule(const std::string& path) {
    constexpr int kSamples = 31;
    constexpr int kRows = 64;
    constexpr int kChannels = 4;
    constexpr int kSampleBytes = 32;
    std::vector<unsigned char> bytes(20 + kSamples * 30 + 2 + 128 + 4);
    const char title[] = "nimbus test tune";
    std::copy(title, title + sizeof title - 1, bytes.begin());
    for (int s = 0; s < kSamples; ++s) {
        const size_t at = 20 + s * 30;
        // Unused instruments still carry the one-word loop trackers expect.
        PutBigEndian16(bytes, at + 28, 1);
    }
    const char name[] = "square";
    std::copy(name, name + sizeof name - 1, bytes.begin() + 20);
    PutBigEndian16(bytes, 20 + 22, kSampleBytes / 2);  // length in words
    bytes[20 + 25] = 64;                               // full volume
    PutBigEndian16(bytes, 20 + 26, 0);                 // loop from the start
    PutBigEndian16(bytes, 20 + 28, kSampleBytes / 2);  // over the whole sample
    const size_t song = 20 + kSamples * 30;
    bytes[song] = 1;        // one position in the song
    bytes[song + 1] = 127;  // restart position, as ProTracker writes it
    std::copy_n("M.K.", 4, bytes.begin() + song + 2 + 128);

    // An A minor arpeggio on channel 1, the root every eight rows on channel 2.
    constexpr int kArpeggio[8] = {21, 24, 28, 33, 28, 24, 21, 16};
    std::vector<unsigned char> pattern(kRows * kChannels * 4);
    for (int row = 0; row < kRows; row += 2) {
        PutNote(pattern, (row * kChannels + 0) * 4, kArpeggio[(row / 2) % 8]);
        if (row % 8 == 0) {
            PutNote(pattern, (row * kChannels + 1) * 4, (row / 8) % 2 == 0 ? 9 : 5);
        }
    }
    bytes.insert(bytes.end(), pattern.begin(), pattern.end());
    for (int i = 0; i < kSampleBytes; ++i) {
        bytes.push_back(static_cast<unsigned char>(i < kSampleBytes / 2 ? 90 : -90));
    }
    FILE* file = fopen(path.c_str(), "wb");
    if (!file) {
        return 1;
    }
    const bool written = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return fclose(file) == 0 && written ? 0 : 1;
}

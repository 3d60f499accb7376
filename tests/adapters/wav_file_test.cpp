#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>

#include "adapters/wav_file.h"
#include "tests/support/fixtures.h"

namespace zelmor::adapters {
namespace {

speech::PcmBuffer Tone(int rate, int count) {
    speech::PcmBuffer b;
    b.sample_rate = rate;
    for (int i = 0; i < count; ++i)
        b.samples.push_back(static_cast<std::int16_t>((i * 997) % 20000 - 10000));
    return b;
}

TEST(WavFile, Pcm16RoundTripIsExact) {
    testing::TempDir dir;
    auto path = dir.path() / "a.wav";
    auto tone = Tone(22050, 1234);
    std::string error;
    ASSERT_TRUE(WriteWavFile(path, tone, &error)) << error;
    auto back = ReadWavFile(path, &error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->sample_rate, 22050);
    EXPECT_EQ(back->samples, tone.samples);
}

TEST(WavFile, AdpcmRoundTripKeepsTheSound) {
    testing::TempDir dir;
    auto path = dir.path() / "a.wav";
    speech::PcmBuffer tone;
    tone.sample_rate = 16000;
    for (int i = 0; i < 4000; ++i)
        tone.samples.push_back(static_cast<std::int16_t>(10000 * std::sin(i * 0.2)));
    ASSERT_TRUE(WriteWavFile(path, tone, nullptr, WavEncoding::ImaAdpcm));
    EXPECT_LT(std::filesystem::file_size(path), tone.samples.size() * 2 / 3);
    auto back = ReadWavFile(path);
    ASSERT_TRUE(back);
    ASSERT_GE(back->samples.size(), tone.samples.size());  // padded to whole blocks
    long worst = 0;
    for (std::size_t i = 200; i < tone.samples.size(); ++i)
        worst = std::max(worst, std::labs(long{back->samples[i]} - tone.samples[i]));
    EXPECT_LT(worst, 1500);
}

TEST(WavFile, StereoIsMixedToMono) {
    testing::TempDir dir;
    auto path = dir.path() / "stereo.wav";
    SF_INFO info{};
    info.samplerate = 8000;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(f, nullptr);
    short frames[] = {1000, 3000, -2000, -4000, 100, 100};
    sf_writef_short(f, frames, 3);
    sf_close(f);
    auto back = ReadWavFile(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->samples, (std::vector<std::int16_t>{2000, -3000, 100}));
}

TEST(WavFile, UnreadableFilesReportAnError) {
    testing::TempDir dir;
    std::string error;
    EXPECT_FALSE(ReadWavFile(dir.path() / "none.wav", &error));
    EXPECT_NE(error.find("none.wav"), std::string::npos);
    auto junk = dir.Write("junk.wav", "RIFF....WAVEnot really a sound file");
    EXPECT_FALSE(ReadWavFile(junk, &error));
    EXPECT_FALSE(WriteWavFile(dir.path() / "no" / "such" / "dir.wav", Tone(8000, 10), &error));
}

}  // namespace
}  // namespace zelmor::adapters

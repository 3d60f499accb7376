#include <gtest/gtest.h>

#include "core/speech/pcm.h"

#include <cmath>
#include <numbers>

namespace zelmor::speech {
namespace {

// 1000 samples per second: one sample per millisecond.
PcmBuffer Ramp(int count, int rate = 1000) {
    PcmBuffer b;
    b.sample_rate = rate;
    for (int i = 0; i < count; ++i) b.samples.push_back(static_cast<std::int16_t>(i + 1));
    return b;
}

TEST(PcmBuffer, LengthAndPositionsInMilliseconds) {
    PcmBuffer b = Ramp(8000, 16000);
    EXPECT_EQ(b.LengthMs(), 500);
    b.Delete(100, 200);
    EXPECT_EQ(b.LengthMs(), 300);
    EXPECT_EQ(b.samples[1599], 1600);
    EXPECT_EQ(b.samples[1600], 1600 + 3200 + 1);
    b.InsertSilence(0, 50);
    EXPECT_EQ(b.LengthMs(), 350);
    EXPECT_EQ(b.samples[799], 0);
    EXPECT_EQ(b.samples[800], 1);
}

TEST(PcmBuffer, EditsClampAtTheEnds) {
    PcmBuffer b = Ramp(10);
    b.Delete(8, 100);  // past the end: cut at the end
    EXPECT_EQ(b.samples.size(), 8u);
    b.Delete(-5, 2);  // before the start: from the start
    EXPECT_EQ(b.samples.front(), 3);
    b.AppendSilence(4);
    EXPECT_EQ(b.samples.size(), 10u);
    EXPECT_EQ(b.samples.back(), 0);
    PcmBuffer c = b.Copy(2, 3);
    EXPECT_EQ(c.samples, (std::vector<std::int16_t>{5, 6, 7}));
    EXPECT_EQ(b.Copy(9, 50).samples.size(), 1u);
}

TEST(PcmBuffer, InsertAnotherSound) {
    PcmBuffer a = Ramp(4), b = Ramp(2);
    a.Insert(2, b);
    EXPECT_EQ(a.samples, (std::vector<std::int16_t>{1, 2, 1, 2, 3, 4}));
    PcmBuffer empty;  // takes the rate of what it receives
    empty.Insert(0, a);
    EXPECT_EQ(empty.sample_rate, 1000);
    EXPECT_EQ(empty.samples, a.samples);
}

TEST(PcmBuffer, LevelAndVolume) {
    PcmBuffer b;
    b.samples = {0, 16384, -8000};
    EXPECT_EQ(b.LevelPercent(), 50);
    b.ChangeVolume(-50);
    EXPECT_EQ(b.samples, (std::vector<std::int16_t>{0, 8192, -4000}));
    b.ChangeVolume(400);  // clips instead of wrapping round
    EXPECT_EQ(b.samples[1], 32767);
    EXPECT_EQ(b.samples[2], -20000);
    b.samples = {-32768};
    EXPECT_EQ(b.LevelPercent(), 100);
    EXPECT_EQ(PcmBuffer{}.LevelPercent(), 0);
}

TEST(PcmBuffer, AppendConvertsTheRate) {
    PcmBuffer a = Ramp(100, 16000);
    PcmBuffer b;
    b.sample_rate = 22050;
    b.samples.assign(2205, 10000);  // 100 ms
    a.Append(b);
    EXPECT_EQ(a.sample_rate, 16000);
    EXPECT_NEAR(static_cast<double>(a.samples.size()), 100 + 1600, 2);
    // The middle of the converted part keeps its level.
    EXPECT_NEAR(a.samples[900], 10000, 50);
}

TEST(Resample, DownsamplingRemovesTonesAboveTheNewBand) {
    PcmBuffer high;  // 10 kHz tone at 22050 Hz: above the 8 kHz limit of 16 kHz
    high.sample_rate = 22050;
    PcmBuffer low = high;  // 1 kHz tone
    for (int i = 0; i < 22050; ++i) {
        high.samples.push_back(static_cast<std::int16_t>(10000 * std::sin(2 * std::numbers::pi * 10000 * i / 22050.0)));
        low.samples.push_back(static_cast<std::int16_t>(10000 * std::sin(2 * std::numbers::pi * 1000 * i / 22050.0)));
    }
    PcmBuffer h = Resample(high, 16000), l = Resample(low, 16000);
    EXPECT_EQ(h.LengthMs(), 1000);
    // Look past the filter's start-up at the edges.
    h.samples = std::vector<std::int16_t>(h.samples.begin() + 100, h.samples.end() - 100);
    l.samples = std::vector<std::int16_t>(l.samples.begin() + 100, l.samples.end() - 100);
    EXPECT_LT(h.LevelPercent(), 8);
    EXPECT_GT(l.LevelPercent(), 28);
}

TEST(TrimSilence, KeepsAMarginAroundTheSound) {
    PcmBuffer b;
    b.sample_rate = 1000;
    b.samples.assign(100, 0);
    b.samples.insert(b.samples.end(), 50, 5000);
    b.samples.insert(b.samples.end(), 100, 3);
    PcmBuffer t = TrimSilence(b, 1, 10);
    EXPECT_EQ(t.samples.size(), 70u);
    EXPECT_EQ(t.samples[10], 5000);
    EXPECT_TRUE(TrimSilence(PcmBuffer{}, 1, 10).empty());
}

}  // namespace
}  // namespace zelmor::speech

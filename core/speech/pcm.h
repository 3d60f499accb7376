// An in-memory mono 16-bit sound and the editing operations the speech
// uses to join recorded pieces. Positions and lengths are milliseconds;
// the level is the peak as a percentage of full scale.
#pragma once

#include <cstdint>
#include <vector>

namespace zelmor::speech {

struct PcmBuffer {
    static constexpr int kDefaultRate = 16000;

    int sample_rate = kDefaultRate;
    std::vector<std::int16_t> samples;

    bool empty() const { return samples.empty(); }
    void Clear() { samples.clear(); }
    /// Length in whole milliseconds.
    long LengthMs() const;
    /// Peak level, 0..100 (percent of full scale, rounded).
    int LevelPercent() const;
    /// Scales every sample by (100 + percent) / 100, clipping at full scale:
    /// -50 halves the sound, +100 doubles it.
    void ChangeVolume(int percent);
    /// Inserts `ms` of silence at `position_ms` (clamped to the length).
    void InsertSilence(long position_ms, long ms);
    /// Appends `ms` of silence.
    void AppendSilence(long ms) { InsertSilence(LengthMs() + 1, ms); }
    /// Deletes `length_ms` from `position_ms`; a range past the end is cut
    /// at the end.
    void Delete(long position_ms, long length_ms);
    /// Inserts another sound at `position_ms`. A sound of another rate is
    /// converted to this one; an empty buffer takes the other's rate.
    void Insert(long position_ms, const PcmBuffer& other);
    void Append(const PcmBuffer& other);
    /// A copy of `length_ms` from `position_ms`.
    PcmBuffer Copy(long position_ms, long length_ms) const;

    /// Sample index of a millisecond position, clamped to [0, size].
    std::size_t IndexOf(long ms) const;
};

/// The sound converted to another sample rate (low-pass filtered when
/// going down, linear interpolation between samples).
PcmBuffer Resample(const PcmBuffer& in, int rate);

/// The sound without its leading and trailing stretches quieter than
/// `threshold_percent` of full scale, keeping `margin_ms` on each side.
PcmBuffer TrimSilence(const PcmBuffer& in, int threshold_percent, long margin_ms);

}  // namespace zelmor::speech

#include "core/speech/pcm.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <cstdlib>

namespace zelmor::speech {

namespace {

std::int16_t Clip(double v) {
    if (v > 32767.0) return 32767;
    if (v < -32768.0) return -32768;
    return static_cast<std::int16_t>(std::lround(v));
}

}  // namespace

long PcmBuffer::LengthMs() const {
    if (sample_rate <= 0) return 0;
    return static_cast<long>(samples.size() * 1000 / static_cast<std::size_t>(sample_rate));
}

int PcmBuffer::LevelPercent() const {
    int peak = 0;
    for (std::int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    return static_cast<int>(std::lround(std::min(peak, 32767) * 100.0 / 32767.0));
}

void PcmBuffer::ChangeVolume(int percent) {
    const double factor = (100.0 + percent) / 100.0;
    for (std::int16_t& s : samples) s = Clip(s * (factor < 0 ? 0 : factor));
}

std::size_t PcmBuffer::IndexOf(long ms) const {
    if (ms <= 0) return 0;
    std::size_t i = static_cast<std::size_t>(ms) * static_cast<std::size_t>(sample_rate) / 1000;
    return std::min(i, samples.size());
}

void PcmBuffer::InsertSilence(long position_ms, long ms) {
    if (ms <= 0) return;
    std::size_t count = static_cast<std::size_t>(ms) * static_cast<std::size_t>(sample_rate) / 1000;
    samples.insert(samples.begin() + static_cast<std::ptrdiff_t>(IndexOf(position_ms)), count, 0);
}

void PcmBuffer::Delete(long position_ms, long length_ms) {
    if (length_ms <= 0) return;
    std::size_t from = IndexOf(position_ms);
    std::size_t count = static_cast<std::size_t>(length_ms) * static_cast<std::size_t>(sample_rate) / 1000;
    std::size_t to = std::min(samples.size(), from + count);
    samples.erase(samples.begin() + static_cast<std::ptrdiff_t>(from),
                  samples.begin() + static_cast<std::ptrdiff_t>(to));
}

void PcmBuffer::Insert(long position_ms, const PcmBuffer& other) {
    if (other.samples.empty()) return;
    if (samples.empty()) sample_rate = other.sample_rate;
    const PcmBuffer* src = &other;
    PcmBuffer converted;
    if (other.sample_rate != sample_rate) {
        converted = Resample(other, sample_rate);
        src = &converted;
    }
    samples.insert(samples.begin() + static_cast<std::ptrdiff_t>(IndexOf(position_ms)),
                   src->samples.begin(), src->samples.end());
}

void PcmBuffer::Append(const PcmBuffer& other) {
    if (other.samples.empty()) return;
    if (samples.empty()) sample_rate = other.sample_rate;
    if (other.sample_rate == sample_rate) {
        samples.insert(samples.end(), other.samples.begin(), other.samples.end());
    } else {
        PcmBuffer converted = Resample(other, sample_rate);
        samples.insert(samples.end(), converted.samples.begin(), converted.samples.end());
    }
}

PcmBuffer PcmBuffer::Copy(long position_ms, long length_ms) const {
    PcmBuffer out;
    out.sample_rate = sample_rate;
    if (length_ms <= 0) return out;
    std::size_t from = IndexOf(position_ms);
    std::size_t count = static_cast<std::size_t>(length_ms) * static_cast<std::size_t>(sample_rate) / 1000;
    std::size_t to = std::min(samples.size(), from + count);
    out.samples.assign(samples.begin() + static_cast<std::ptrdiff_t>(from),
                       samples.begin() + static_cast<std::ptrdiff_t>(to));
    return out;
}

PcmBuffer Resample(const PcmBuffer& in, int rate) {
    PcmBuffer out;
    out.sample_rate = rate;
    if (in.samples.empty() || in.sample_rate <= 0 || rate <= 0) return out;
    if (in.sample_rate == rate) {
        out.samples = in.samples;
        return out;
    }
    std::vector<double> src(in.samples.begin(), in.samples.end());
    if (rate < in.sample_rate) {
        // Windowed-sinc low-pass just below the new Nyquist frequency, so
        // that fricatives do not fold back into the speech band as noise.
        const double cutoff = 0.45 * rate / in.sample_rate;  // cycles per input sample
        const int half = 16;
        std::vector<double> taps(2 * half + 1);
        double sum = 0;
        for (int i = -half; i <= half; ++i) {
            double x = 2 * cutoff * i;
            double sinc = i == 0 ? 1.0 : std::sin(std::numbers::pi * x) / (std::numbers::pi * x);
            double window = 0.54 + 0.46 * std::cos(std::numbers::pi * i / half);
            taps[i + half] = 2 * cutoff * sinc * window;
            sum += taps[i + half];
        }
        for (double& t : taps) t /= sum;
        std::vector<double> filtered(src.size());
        const long n = static_cast<long>(src.size());
        for (long j = 0; j < n; ++j) {
            double acc = 0;
            for (int i = -half; i <= half; ++i) {
                long k = j + i;
                if (k >= 0 && k < n) acc += taps[i + half] * src[k];
            }
            filtered[j] = acc;
        }
        src.swap(filtered);
    }
    const double step = static_cast<double>(in.sample_rate) / rate;
    const std::size_t count =
        static_cast<std::size_t>(static_cast<double>(src.size()) * rate / in.sample_rate);
    out.samples.reserve(count);
    for (std::size_t j = 0; j < count; ++j) {
        double pos = j * step;
        std::size_t i = static_cast<std::size_t>(pos);
        double frac = pos - i;
        double a = src[std::min(i, src.size() - 1)];
        double b = src[std::min(i + 1, src.size() - 1)];
        out.samples.push_back(Clip(a + (b - a) * frac));
    }
    return out;
}

PcmBuffer TrimSilence(const PcmBuffer& in, int threshold_percent, long margin_ms) {
    PcmBuffer out;
    out.sample_rate = in.sample_rate;
    const int threshold = threshold_percent * 32767 / 100;
    auto loud = [&](std::int16_t s) { return std::abs(static_cast<int>(s)) > threshold; };
    auto first = std::find_if(in.samples.begin(), in.samples.end(), loud);
    if (first == in.samples.end()) return out;
    auto last = std::find_if(in.samples.rbegin(), in.samples.rend(), loud).base();
    std::ptrdiff_t margin = static_cast<std::ptrdiff_t>(margin_ms * in.sample_rate / 1000);
    std::ptrdiff_t begin = std::max<std::ptrdiff_t>(0, (first - in.samples.begin()) - margin);
    std::ptrdiff_t end = std::min<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(in.samples.size()),
                                                  (last - in.samples.begin()) + margin);
    out.samples.assign(in.samples.begin() + begin, in.samples.begin() + end);
    return out;
}

}  // namespace zelmor::speech

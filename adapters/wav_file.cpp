#include "adapters/wav_file.h"

#include <sndfile.h>

#include <system_error>
#include <vector>

namespace zelmor::adapters {

namespace {

void SetError(std::string* error, const std::string& text) {
    if (error) *error = text;
}

// Larger files are not sound pieces: refuse them instead of filling memory.
constexpr sf_count_t kMaxFrames = 48000LL * 60 * 10;

}  // namespace

std::optional<speech::PcmBuffer> ReadWavFile(const std::filesystem::path& path, std::string* error) {
    SF_INFO info{};
    SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
    if (!f) {
        SetError(error, path.string() + ": " + sf_strerror(nullptr));
        return std::nullopt;
    }
    if (info.channels < 1 || info.samplerate <= 0 || info.frames < 0 || info.frames > kMaxFrames) {
        sf_close(f);
        SetError(error, path.string() + ": unsupported sound (channels, rate or length)");
        return std::nullopt;
    }
    // Float samples are read as shorts at full scale rather than as raw values.
    sf_command(f, SFC_SET_SCALE_FLOAT_INT_READ, nullptr, SF_TRUE);
    std::vector<short> interleaved(static_cast<std::size_t>(info.frames) *
                                   static_cast<std::size_t>(info.channels));
    sf_count_t got = sf_readf_short(f, interleaved.data(), info.frames);
    sf_close(f);
    if (got < 0) got = 0;
    speech::PcmBuffer out;
    out.sample_rate = info.samplerate;
    out.samples.resize(static_cast<std::size_t>(got));
    for (sf_count_t i = 0; i < got; ++i) {
        long sum = 0;
        for (int c = 0; c < info.channels; ++c)
            sum += interleaved[static_cast<std::size_t>(i * info.channels + c)];
        out.samples[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(sum / info.channels);
    }
    return out;
}

bool WriteWavFile(const std::filesystem::path& path, const speech::PcmBuffer& sound,
                  std::string* error, WavEncoding encoding) {
    SF_INFO info{};
    info.samplerate = sound.sample_rate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV |
                  (encoding == WavEncoding::ImaAdpcm ? SF_FORMAT_IMA_ADPCM : SF_FORMAT_PCM_16);
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f) {
        SetError(error, path.string() + ": " + sf_strerror(nullptr));
        return false;
    }
    const auto frames = static_cast<sf_count_t>(sound.samples.size());
    sf_count_t written =
        frames ? sf_writef_short(f, reinterpret_cast<const short*>(sound.samples.data()), frames) : 0;
    std::string failure = written == frames ? "" : sf_strerror(f);
    if (sf_close(f) != 0 && failure.empty()) failure = "close failed";
    if (!failure.empty()) {
        std::error_code ec;
        std::filesystem::remove(path, ec);
        SetError(error, path.string() + ": " + failure);
        return false;
    }
    return true;
}

}  // namespace zelmor::adapters

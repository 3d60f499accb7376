// WAV files through libsndfile: read any WAV (any sample format, any
// channel count, mixed down to mono 16-bit) and write mono 16-bit PCM or
// IMA ADPCM.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/speech/pcm.h"

namespace zelmor::adapters {

/// The sound in `path`, or nothing with *error set when it cannot be read.
std::optional<speech::PcmBuffer> ReadWavFile(const std::filesystem::path& path,
                                             std::string* error = nullptr);

enum class WavEncoding {
    Pcm16,     // plain 16-bit samples
    ImaAdpcm,  // 4 bits a sample: a quarter of the size, for the recordings
};

/// Writes `sound` as a mono WAV file. Returns false with *error set on
/// failure (a partly written file is removed).
bool WriteWavFile(const std::filesystem::path& path, const speech::PcmBuffer& sound,
                  std::string* error = nullptr, WavEncoding encoding = WavEncoding::Pcm16);

}  // namespace zelmor::adapters

// Builds our own Turkish recordings with the espeak-ng Turkish voice: the
// syllable files "trwav/NAME_.WAV" for every syllable the speech can ask
// for, word files "trwav/trwa-z/NAME.WAV" for common words and the number
// words, and the index "trwav/abcdhece.txt" that lists them all.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/speech/sound_index.h"

namespace zelmor::adapters {

/// One file to make.
struct SoundRecipe {
    speech::SoundFolder folder;
    std::string name;   // sound name, code page 1254 ("MER", "M4E", "*ERK", "IIKII")
    std::string text;   // what espeak-ng says, UTF-8 (or phonemes in [[ ]])
    enum class Cut {
        None,
        Head,     // keep the first part only: the consonant and the start of the vowel
        Silence,  // no speech at all: a pause of the given length
    } cut = Cut::None;
    long silence_ms = 0;
};

/// Everything `BuildSoundFiles` makes, in index order: single vowels and
/// consonants, open (CV) and closed (VC, CVC) syllables, the vowel-plus-
/// cluster endings (VCC and their "*" tails), the heads ("M+E") used to
/// build syllables that have no file of their own, then the words.
std::vector<SoundRecipe> SoundInventory();

/// The built-in list of common Turkish words (UTF-8, upper case).
const std::vector<std::string>& CommonTurkishWords();

struct SoundBuildReport {
    std::size_t files = 0;
    std::uintmax_t bytes = 0;
    double seconds = 0;
    std::string error;  // set when the build failed
};

/// Writes every file of the inventory below `program_dir` at `sample_rate`
/// (mono IMA ADPCM WAV, a quarter of the size of 16-bit PCM), the index last so that an interrupted build leaves no
/// index. Returns false with report.error set on failure.
bool BuildSoundFiles(const std::filesystem::path& program_dir, int sample_rate,
                     SoundBuildReport& report);

}  // namespace zelmor::adapters

// Speech synthesis with the espeak-ng library, used to make our own Turkish
// recordings. espeak-ng keeps global state, so there is one synthesizer per
// process; Open() hands it out once and fails while it is taken.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "core/speech/pcm.h"

namespace zelmor::adapters {

class EspeakSynth {
public:
    /// Initialises espeak-ng with `voice` ("tr"). Returns nullptr with
    /// *error set when the library, its data or the voice is missing.
    static std::unique_ptr<EspeakSynth> Open(const std::string& voice, std::string* error);
    ~EspeakSynth();
    EspeakSynth(const EspeakSynth&) = delete;
    EspeakSynth& operator=(const EspeakSynth&) = delete;

    /// Speaking rate in words per minute (espeak's default is 175).
    void SetRate(int words_per_minute);
    /// The sound of `utf8_text` at the library's own sample rate.
    speech::PcmBuffer Synthesize(std::string_view utf8_text);
    int SampleRate() const { return rate_; }

private:
    EspeakSynth() = default;
    int rate_ = 0;
};

}  // namespace zelmor::adapters

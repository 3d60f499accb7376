#include "adapters/espeak_synth.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <atomic>
#include <mutex>
#include <vector>

namespace zelmor::adapters {

namespace {

std::atomic<bool> g_open{false};
// espeak-ng delivers sound through a plain callback; Synthesize() points it
// at its own buffer for the duration of the call.
std::vector<std::int16_t>* g_sink = nullptr;

int Collect(short* wav, int count, espeak_EVENT*) {
    if (wav && count > 0 && g_sink) g_sink->insert(g_sink->end(), wav, wav + count);
    return 0;  // go on
}

std::string StatusText(espeak_ng_STATUS status) {
    char buf[256] = {};
    espeak_ng_GetStatusCodeMessage(status, buf, sizeof buf);
    return buf;
}

}  // namespace

// espeak-ng is set up once per process and left running: shutting it down
// and starting it again in the same process hangs in espeak_ng_Terminate.
static bool InitializeOnce(std::string* error) {
    static bool done = false;
    static std::string failure;
    static std::once_flag once;
    std::call_once(once, [] {
        espeak_ng_InitializePath(nullptr);
        espeak_ng_ERROR_CONTEXT context = nullptr;
        espeak_ng_STATUS status = espeak_ng_Initialize(&context);
        if (status != ENS_OK) {
            espeak_ng_ClearErrorContext(&context);
            failure = "espeak-ng: " + StatusText(status);
            return;
        }
        status = espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
        if (status != ENS_OK) {
            failure = "espeak-ng output: " + StatusText(status);
            return;
        }
        espeak_SetSynthCallback(Collect);
        done = true;
    });
    if (!done && error) *error = failure;
    return done;
}

std::unique_ptr<EspeakSynth> EspeakSynth::Open(const std::string& voice, std::string* error) {
    auto fail = [&](const std::string& text) -> std::unique_ptr<EspeakSynth> {
        g_open = false;
        if (error) *error = text;
        return nullptr;
    };
    if (g_open.exchange(true)) {
        if (error) *error = "the speech synthesizer is already in use";
        return nullptr;
    }
    std::string init_error;
    if (!InitializeOnce(&init_error)) return fail(init_error);
    if (espeak_SetVoiceByName(voice.c_str()) != EE_OK)
        return fail("espeak-ng has no voice '" + voice + "'");
    // Every synthesizer starts at the library's default speed.
    espeak_SetParameter(espeakRATE, espeakRATE_NORMAL, 0);
    std::unique_ptr<EspeakSynth> synth(new EspeakSynth);
    synth->rate_ = espeak_ng_GetSampleRate();
    return synth;
}

EspeakSynth::~EspeakSynth() { g_open = false; }

void EspeakSynth::SetRate(int words_per_minute) {
    espeak_SetParameter(espeakRATE, words_per_minute, 0);
}

speech::PcmBuffer EspeakSynth::Synthesize(std::string_view utf8_text) {
    speech::PcmBuffer out;
    out.sample_rate = rate_;
    std::string text(utf8_text);
    g_sink = &out.samples;
    // Text in [[ ]] is espeak-ng's phoneme letters rather than words.
    unsigned flags = espeakCHARS_UTF8;
    if (text.find("[[") != std::string::npos) flags |= espeakPHONEMES;
    espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, flags, nullptr, nullptr);
    espeak_Synchronize();
    g_sink = nullptr;
    return out;
}

}  // namespace zelmor::adapters

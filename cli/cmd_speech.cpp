// say tr / syllables tr / sounds build: Turkish read-aloud from the command
// line, the syllable split, and the making of our own recordings.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <unistd.h>

#include "adapters/file_sound_source.h"
#include "adapters/sound_builder.h"
#include "adapters/wav_file.h"
#include "cli/command.h"
#include "core/speech/syllables.h"
#include "core/speech/turkish_speech.h"
#include "core/store/file_io.h"
#include "core/text/cp1254.h"
#include "core/text/split.h"

namespace zelmor::cli {
namespace {

namespace fs = std::filesystem;

std::string JoinArgs(const std::vector<std::string>& args) {
    std::string text;
    for (auto& a : args) {
        if (!text.empty()) text += ' ';
        text += a;
    }
    return text;
}

// The joined words of a text, one after the other, as the program plays them.
class CollectingHost : public speech::SpeechHost {
public:
    void Message(std::string_view text) override {
        std::cerr << text::Cp1254ToUtf8(text) << "\n";
    }
    void Play(const speech::PcmBuffer& sound, int) override { output.Append(sound); }
    speech::PcmBuffer output;
};

bool HasProgram(const char* name) {
    const char* path = std::getenv("PATH");
    if (!path) return false;
    for (auto dir : text::SplitViews(path, ':')) {
        if (dir.empty()) continue;
        fs::path p = fs::path(std::string(dir)) / name;
        if (access(p.c_str(), X_OK) == 0) return true;
    }
    return false;
}

int SayTurkish(const std::vector<std::string>& in) {
    auto args = in;
    std::string out = TakeOption(args, "--out", "");
    fs::path dir = TakeOption(args, "--data", ProgramDir().string());
    if (args.empty()) throw std::runtime_error("give the TEXT to say");

    fs::path index_path = dir / std::string(speech::kSoundIndexPath);
    std::string bytes, error;
    if (!store::ReadWholeFile(index_path, bytes, &error))
        throw std::runtime_error(index_path.string() + ": " + error +
                                 " (make the recordings with 'zelmor-cli sounds build')");
    store::StringList lines;
    for (auto line : store::SplitLines(bytes)) lines.push_back(line);

    adapters::FileSoundSource source(dir);
    CollectingHost host;
    speech::TurkishSpeech speech(speech::SoundIndex(lines), source, host);
    speech.SpeakTurkish(text::Utf8ToCp1254Lossy(JoinArgs(args)));
    if (host.output.empty()) {
        std::cerr << "say: nothing of the text is recorded\n";
        return 1;
    }
    if (!out.empty()) {
        if (!adapters::WriteWavFile(out, host.output, &error)) throw std::runtime_error(error);
        return 0;
    }
    if (!HasProgram("aplay")) {
        std::cerr << "say: no 'aplay' to play with; write the sound with --out FILE.wav\n";
        return 1;
    }
    char tmpl[] = "/tmp/zelmor-say-XXXXXX";
    int fd = mkstemp(tmpl);
    if (fd < 0) throw std::runtime_error("cannot make a temporary file");
    close(fd);
    fs::path wav = std::string(tmpl) + ".wav";
    fs::rename(tmpl, wav);
    bool ok = adapters::WriteWavFile(wav, host.output, &error);
    int rc = 1;
    if (ok) {
        std::string cmd = "aplay -q '" + wav.string() + "'";
        rc = std::system(cmd.c_str()) == 0 ? 0 : 1;
        if (rc != 0) std::cerr << "say: aplay could not play the sound; try --out FILE.wav\n";
    } else {
        std::cerr << error << "\n";
    }
    std::error_code ec;
    fs::remove(wav, ec);
    return rc;
}

int SyllablesTurkish(const std::vector<std::string>& in) {
    auto args = in;
    std::string text = text::Utf8ToCp1254Lossy(JoinArgs(args));
    std::string out;
    for (auto word : text::SplitViews(text, ' ')) {
        if (word.empty()) continue;
        if (!out.empty()) out += ' ';
        out += speech::Syllabify(word);
    }
    std::cout << text::Cp1254ToUtf8(out) << "\n";
    return 0;
}

int SoundsBuild(const std::vector<std::string>& in) {
    auto args = in;
    fs::path out = TakeOption(args, "--out", ProgramDir().string());
    int rate = std::stoi(TakeOption(args, "--rate", "16000"));
    bool quiet = TakeFlag(args, "--quiet");
    if (!args.empty()) throw std::runtime_error("unexpected argument '" + args[0] + "'");
    if (rate < 8000 || rate > 48000) throw std::runtime_error("--rate must be 8000..48000");
    adapters::SoundBuildReport report;
    if (!adapters::BuildSoundFiles(out, rate, report)) {
        std::cerr << "sounds build: " << report.error << "\n";
        return 1;
    }
    if (!quiet)
        std::cout << report.files << " files, " << report.bytes / 1024 << " KiB, "
                  << report.seconds << " s in " << (out / "trwav").string() << "\n";
    return 0;
}

}  // namespace

ZELMOR_CLI_COMMAND("say tr", "say tr [--out FILE.wav] [--data DIR] TEXT...",
                   "read Turkish text aloud from the recordings in DIR/trwav (default: the "
                   "program folder); --out writes the sound instead of playing it",
                   SayTurkish);
ZELMOR_CLI_COMMAND("syllables tr", "syllables tr TEXT...",
                   "print each word of a Turkish text split into syllables", SyllablesTurkish);
ZELMOR_CLI_COMMAND("sounds build", "sounds build [--out DIR] [--rate HZ] [--quiet]",
                   "make the Turkish syllable and word recordings and their index in DIR/trwav "
                   "with espeak-ng (default: the program folder, 16000 Hz)",
                   SoundsBuild);

}  // namespace zelmor::cli

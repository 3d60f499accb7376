// Turkish read-aloud from recorded pieces. A text is cut into segments, the
// digits become number words, and every word is built into one sound from
// the best recording the index lists: the whole word, a word split into a
// listed prefix and remainder, the word as one syllable, or its syllables
// one by one with short silences between them. Loading files, fetching
// missing ones and playing sound are the caller's (SoundSource,
// SpeechHost), so the joining itself runs and is tested without any audio
// device. All text is code page 1254.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/speech/pcm.h"
#include "core/speech/sound_index.h"

namespace zelmor::speech {

/// Fixed messages of the Turkish speech.
std::string_view OfflineWordMessage();   // "internet bağlantısı yok..."
std::string_view OfflineIndexMessage();  // "internet bağlantısı yok"
std::string_view NoDeviceMessage();      // "Sound Device not Found! "

enum class LoadStatus {
    Loaded,
    Missing,      // no such file (and none could be fetched)
    Unreachable,  // the file is missing and the computer is offline
};

struct SoundLoad {
    LoadStatus status = LoadStatus::Missing;
    PcmBuffer sound;
};

/// Where recordings come from: a folder on disk, fetching listed files from
/// the web site when missing (GUI), or generated buffers (tests).
class SoundSource {
public:
    virtual ~SoundSource() = default;
    /// Loads `file_name` ("MER_.WAV", "MERHABA.WAV") from `folder`.
    virtual SoundLoad Load(SoundFolder folder, const std::string& file_name) = 0;
};

/// What the speech asks of the program around it.
class SpeechHost {
public:
    virtual ~SpeechHost() = default;
    /// A message box with a fixed text (code page 1254).
    virtual void Message(std::string_view text) = 0;
    /// False when the system has no sound output at all.
    virtual bool HasOutputDevice() { return true; }
    /// The short signal that follows the no-device message.
    virtual void Signal() {}
    /// Plays one word's sound at `volume` and returns when it has finished.
    virtual void Play(const PcmBuffer& sound, int volume) = 0;
    /// Checked between words; true stops the rest of the text.
    virtual bool StopRequested() { return false; }
};

/// The segments of a text to speak: line breaks and "$" become blanks, the
/// text is cut to 6000 characters, commas inside a sentence become the word
/// "N9" and every sentence end becomes a segment of its own ("." ...).
std::vector<std::string> SegmentSpeechText(std::string_view text);

/// The words of a segment as they are spoken: split at blanks (empty words
/// dropped) with digit-only words replaced by their number words, which
/// count as separate words.
std::vector<std::string> SegmentWords(std::string_view segment);

/// Punctuation words that are never spoken: . ? , ; : ! " * - ( )
bool IsSilentWord(std::string_view word);

class TurkishSpeech {
public:
    TurkishSpeech(SoundIndex index, SoundSource& source, SpeechHost& host)
        : index_(std::move(index)), source_(source), host_(host) {}

    /// Playback volume handed to the host with every word.
    int SpeechVolume = 0;

    /// Speaks a whole text segment by segment.
    void SpeakTurkish(std::string_view text);
    /// Speaks one segment word by word; each word is played on its own.
    void SpeakSegment(std::string_view segment);
    /// The sound of one upper-case word, ending in 20 ms of silence; empty
    /// when nothing of it is recorded or a listed file could not be reached
    /// (the offline message has then been shown).
    PcmBuffer SpeakWord(std::string_view word);

    /// Each returns whether the sound was found and leaves it, levelled, in
    /// `out`. `name` is the upper-case text, not yet a sound name.
    bool LoadSyllableSound(std::string_view name, PcmBuffer& out);
    bool LoadWordSound(std::string_view name, PcmBuffer& out);
    bool LoadSplitWordSound(std::string_view name, PcmBuffer& out);

    /// Cleared when a listed file is missing and cannot be fetched.
    bool SoundFilesReachable = true;

    const SoundIndex& index() const { return index_; }

private:
    bool LoadListed(SoundFolder folder, const std::string& sound_name, PcmBuffer& out);
    bool LoadHeadAndTail(std::string_view syllable, bool star_tail, PcmBuffer& out);

    SoundIndex index_;
    SoundSource& source_;
    SpeechHost& host_;
};

/// Brings a loaded piece to a level of 30-40 % of full scale: a piece at
/// 10-29 % or 41-150 % is scaled by (30 - v) * 100 / v percent, and once
/// more when the result is still outside 30-40 %. Quieter pieces (silence,
/// pauses) are left alone.
void LevelPiece(PcmBuffer& piece);

}  // namespace zelmor::speech

// The English read-aloud plan of an editor: the document text cut into
// spoken phrases. Every punctuation mark ends a phrase; a period that
// belongs to one of the reader's abbreviations ("Mr.", "e.g.", ...) does
// not.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace zelmor::gui {

/// The 27 abbreviations of the reader, sorted ascending ignoring case.
const QStringList& ReaderAbbreviations();

/// One token of the scanner.
struct ReadToken {
    QString token;
    QString separator;  // the characters after the token, without CR and LF
    qsizetype start = 0;
    bool sentence_end = false;
    bool paragraph_end = false;
};

/// Word characters: ASCII letters, the Turkish letters, digits, "'", "*",
/// "-" and "_".
bool IsReaderWordChar(QChar c);

/// Scans the next token from `pos` (0-based) and advances past it and its
/// separator. Returns false at the end of the text.
bool ScanReaderToken(const QString& text, qsizetype& pos, ReadToken& out);

/// Re-forms an abbreviation the scanner cut at its period ("Mr" + "." ->
/// "Mr."), moving `pos` past it and scanning the separator again. Returns
/// true when it rewrote the token.
bool RejoinReaderAbbreviation(const QString& text, qsizetype& pos, ReadToken& tok,
                              const QStringList& abbreviations);

/// One step of the reading loop: a token added to the phrase being read.
struct ReadStep {
    qsizetype token_start = 0;   // where the token was found in the text
    bool starts_phrase = false;  // first token of a phrase: the caret goes here
    qsizetype phrase_start = 0;  // the selection starts here...
    QString phrase;              // ...and is as long as the phrase so far
    QString spoken;              // not empty when the phrase ends: what is spoken
};

std::vector<ReadStep> PlanReading(const QString& text,
                                  const QStringList& abbreviations = ReaderAbbreviations());

/// The pause after speaking `length` characters at `rate`, in milliseconds.
inline int ReadingPauseMs(qsizetype length, int rate) {
    return static_cast<int>(60 * length + 1000 - 100 * rate);
}

}  // namespace zelmor::gui

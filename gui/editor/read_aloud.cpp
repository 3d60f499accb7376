#include "gui/editor/read_aloud.h"

#include <algorithm>

namespace zelmor::gui {
namespace {

bool IsSentenceEndChar(QChar c) {
    return c == QLatin1Char('!') || c == QLatin1Char('.') || c == QLatin1Char('?');
}

void ScanSeparator(const QString& text, qsizetype& pos, ReadToken& out) {
    out.sentence_end = false;
    out.paragraph_end = false;
    out.separator.clear();
    const qsizetype n = text.size();
    while (pos < n && !IsReaderWordChar(text[pos])) {
        QChar c = text[pos];
        if (IsSentenceEndChar(c)) out.sentence_end = true;
        if (out.sentence_end && QStringView(text).mid(pos, 4) == QStringView(u"\r\n\r\n"))
            out.paragraph_end = true;
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n') && c != QChar::ParagraphSeparator)
            out.separator += c;
        ++pos;
    }
}

bool CaseInsensitiveLess(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

}  // namespace

const QStringList& ReaderAbbreviations() {
    static const QStringList list = [] {
        QStringList l;
        for (const char16_t* a :
             {u"Mr.", u"Mrs.", u"vs.", u"e.g.", u"eg.", u"A.D.", u"B.A.", u"B.S.", u"Dec.",
              u"Dr.", u"Feb", u"fl.", u"gal.", u"i.e.", u"Jr.", u"Jan.", u"M.D.", u"mt.", u"Nov.",
              u"Oct.", u"pop.", u"Sept.", u"U.S.", u"Sr.", u"lat.", u"Ltd.", u"etc."})
            l << QString::fromUtf16(a);
        std::stable_sort(l.begin(), l.end(), CaseInsensitiveLess);
        return l;
    }();
    return list;
}

bool IsReaderWordChar(QChar c) {
    char16_t u = c.unicode();
    if ((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9')) return true;
    switch (u) {
        case u'\'': case u'*': case u'-': case u'_':
        case u'Ç': case u'ç': case u'Ğ': case u'ğ': case u'İ': case u'ı':
        case u'Ö': case u'ö': case u'Ş': case u'ş': case u'Ü': case u'ü':
        case u'Â': case u'â': case u'Î': case u'î': case u'Û': case u'û':
            return true;
        default:
            return false;
    }
}

bool ScanReaderToken(const QString& text, qsizetype& pos, ReadToken& out) {
    const qsizetype n = text.size();
    while (pos < n && !IsReaderWordChar(text[pos])) ++pos;
    if (pos >= n) return false;
    out.start = pos;
    while (pos < n && IsReaderWordChar(text[pos])) ++pos;
    out.token = text.mid(out.start, pos - out.start);
    ScanSeparator(text, pos, out);
    return true;
}

bool RejoinReaderAbbreviation(const QString& text, qsizetype& pos, ReadToken& tok,
                              const QStringList& abbreviations) {
    // The token is itself an entry (only "Feb" has no period): leave it.
    auto at = std::lower_bound(abbreviations.begin(), abbreviations.end(), tok.token,
                               CaseInsensitiveLess);
    if (at != abbreviations.end() && at->compare(tok.token, Qt::CaseInsensitive) == 0) return false;

    const qsizetype n = text.size();
    qsizetype start = text.lastIndexOf(tok.token, std::min(pos, n - 1));
    if (start < 0 || start >= n - 1) return false;
    for (auto it = at; it != abbreviations.end(); ++it) {
        const QString& entry = *it;
        if (entry.size() <= n - start && QStringView(text).mid(start).startsWith(entry)) {
            bool paragraph_end = tok.paragraph_end;
            tok.token = entry;
            tok.start = start;
            pos = start + entry.size();
            ScanSeparator(text, pos, tok);
            tok.sentence_end = paragraph_end;
            return true;
        }
        if (entry.isEmpty() || entry[0] != text[start]) return false;
    }
    return false;
}

std::vector<ReadStep> PlanReading(const QString& text, const QStringList& abbreviations) {
    std::vector<ReadStep> steps;
    qsizetype pos = 0;
    qsizetype search_from = 0;
    QString phrase;
    qsizetype phrase_start = 0;
    ReadToken tok;
    while (ScanReaderToken(text, pos, tok)) {
        const QString scanned = tok.token;
        qsizetype found = text.indexOf(scanned, search_from);
        if (found < 0) found = tok.start;
        if (tok.sentence_end && tok.separator.startsWith(QLatin1Char('.')))
            RejoinReaderAbbreviation(text, pos, tok, abbreviations);
        search_from = found + tok.token.size();

        QString piece = tok.token;
        if (piece.startsWith(QLatin1Char('*'))) piece[0] = QLatin1Char(' ');
        piece += QLatin1Char(' ');
        for (qsizetype i = found + tok.token.size() + 1; i < text.size() && text[i] == QLatin1Char(' '); ++i)
            piece += QLatin1Char(' ');

        ReadStep step;
        step.token_start = found;
        step.starts_phrase = phrase.isEmpty();
        if (step.starts_phrase) phrase_start = found;
        phrase += piece;
        step.phrase_start = phrase_start;
        step.phrase = phrase;
        if (!tok.separator.trimmed().isEmpty()) {
            step.spoken = phrase + QLatin1Char(' ') + tok.separator;
            phrase.clear();
        }
        steps.push_back(std::move(step));
    }
    return steps;
}

}  // namespace zelmor::gui

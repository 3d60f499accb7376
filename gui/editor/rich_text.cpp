#include "gui/editor/rich_text.h"

#include <QFile>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "core/text/cp1254.h"

namespace zelmor::gui {

void FillTextDocument(const rtf::Document& model, QTextDocument& doc) {
    doc.clear();
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    for (std::size_t p = 0; p < model.paragraphs.size(); ++p) {
        if (p > 0) cursor.insertBlock();
        for (const auto& run : model.paragraphs[p].runs) {
            QTextCharFormat f;
            f.setFontWeight(run.format.bold ? QFont::Bold : QFont::Normal);
            f.setFontItalic(run.format.italic);
            f.setFontUnderline(run.format.underline);
            if (!run.format.font.empty())
                f.setFontFamilies({QString::fromStdString(run.format.font)});
            f.setFontPointSize(run.format.half_points / 2.0);
            if (run.format.color)
                f.setForeground(QColor(run.format.color->red, run.format.color->green,
                                       run.format.color->blue));
            cursor.insertText(QString::fromUtf8(run.text.data(), static_cast<qsizetype>(run.text.size())), f);
        }
    }
    cursor.endEditBlock();
}

rtf::Document ModelFromTextDocument(const QTextDocument& doc) {
    rtf::Document model;
    const QFont base = doc.defaultFont();
    bool first = true;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (!first) model.NewParagraph();
        first = false;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            QTextFragment frag = it.fragment();
            if (!frag.isValid()) continue;
            QTextCharFormat cf = frag.charFormat();
            QFont font = cf.font().resolve(base);
            rtf::CharFormat f;
            f.bold = font.weight() >= QFont::DemiBold;
            f.italic = font.italic();
            f.underline = font.underline();
            QStringList families = font.families();
            QString family = families.isEmpty() ? font.family() : families.constFirst();
            f.font = family.toStdString();
            double points = font.pointSizeF();
            if (points <= 0 && font.pixelSize() > 0) points = font.pixelSize() * 72.0 / 96.0;
            if (points <= 0) points = 12;
            f.half_points = static_cast<int>(points * 2 + 0.5);
            if (cf.foreground().style() != Qt::NoBrush) {
                QColor c = cf.foreground().color();
                f.color = rtf::Color{static_cast<std::uint8_t>(c.red()),
                                     static_cast<std::uint8_t>(c.green()),
                                     static_cast<std::uint8_t>(c.blue())};
            }
            model.Append(frag.text().toStdString(), f);
        }
    }
    return model;
}

bool LoadRichTextFile(const QString& path, QTextDocument& doc, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = QStringLiteral("%1\n%2").arg(path, file.errorString());
        return false;
    }
    QByteArray bytes = file.readAll();
    std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (rtf::LooksLikeRtf(view)) {
        try {
            FillTextDocument(rtf::Parse(view), doc);
        } catch (const rtf::ParseError& e) {
            if (error)
                *error = QStringLiteral("%1\nBozuk RTF dosyası (damaged RTF file): %2")
                             .arg(path, QString::fromUtf8(e.what()));
            return false;
        }
        return true;
    }
    if (text::IsValidUtf8(view))
        doc.setPlainText(QString::fromUtf8(bytes));
    else
        doc.setPlainText(QString::fromStdString(text::Cp1254ToUtf8(view)));
    return true;
}

bool SaveRichTextFile(const QString& path, const QTextDocument& doc, QString* error) {
    std::string bytes = rtf::Write(ModelFromTextDocument(doc));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        if (error) *error = QStringLiteral("%1\n%2").arg(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace zelmor::gui

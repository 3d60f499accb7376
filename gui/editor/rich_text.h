// Rich-text documents of the editor: RTF files <-> QTextDocument.
#pragma once

#include <QString>

#include "core/rtf/rtf.h"

class QTextDocument;

namespace zelmor::gui {

/// Replaces the contents of `doc` with `model`.
void FillTextDocument(const rtf::Document& model, QTextDocument& doc);
/// The contents of `doc` as a model; formats the text does not set itself
/// come from the document's default font.
rtf::Document ModelFromTextDocument(const QTextDocument& doc);

/// Loads a file into `doc`: RTF when it looks like RTF, otherwise plain
/// text (UTF-8, or code page 1254 when it is not UTF-8). Returns false with
/// a readable message in *error when the file cannot be read or is broken
/// RTF; `doc` is then unchanged.
bool LoadRichTextFile(const QString& path, QTextDocument& doc, QString* error);
/// Writes `doc` as RTF. Returns false with a message in *error on failure.
bool SaveRichTextFile(const QString& path, const QTextDocument& doc, QString* error);

}  // namespace zelmor::gui

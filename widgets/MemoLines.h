#pragma once

#include <QStringList>

class QLabel;
class QPlainTextEdit;

namespace mirvane {

// Line access to a memo, lines counted from 0: a read-only multi-line box,
// or a hint memo shown as a label.
QStringList MemoLines(const QPlainTextEdit& Memo);
QStringList MemoLines(const QLabel& Memo);
void SetMemoLines(QPlainTextEdit& Memo, const QStringList& Lines);
void SetMemoLines(QLabel& Memo, const QStringList& Lines);
// Replaces line Index; an index past the last line adds empty lines up to it.
void ReplaceMemoLine(QPlainTextEdit& Memo, int Index, const QString& Line);
void ReplaceMemoLine(QLabel& Memo, int Index, const QString& Line);

}  // namespace mirvane

#pragma once

#include <QStringList>

class QPlainTextEdit;

namespace mirvane {

// Line access to a memo (a read-only multi-line box), lines counted from 0.
QStringList MemoLines(const QPlainTextEdit& Memo);
void SetMemoLines(QPlainTextEdit& Memo, const QStringList& Lines);
// Replaces line Index; an index past the last line adds empty lines up to it.
void ReplaceMemoLine(QPlainTextEdit& Memo, int Index, const QString& Line);

}  // namespace mirvane

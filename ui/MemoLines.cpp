#include "ui/MemoLines.h"

#include <QPlainTextEdit>

namespace mirvane {

QStringList MemoLines(const QPlainTextEdit& Memo)
{
    const QString Text = Memo.toPlainText();
    return Text.isEmpty() ? QStringList{} : Text.split(u'\n');
}

void SetMemoLines(QPlainTextEdit& Memo, const QStringList& Lines)
{
    Memo.setPlainText(Lines.join(u'\n'));
}

void ReplaceMemoLine(QPlainTextEdit& Memo, int Index, const QString& Line)
{
    if (Index < 0) {
        return;
    }
    QStringList Lines = MemoLines(Memo);
    while (Lines.size() <= Index) {
        Lines.append(QString());
    }
    Lines[Index] = Line;
    SetMemoLines(Memo, Lines);
}

}  // namespace mirvane

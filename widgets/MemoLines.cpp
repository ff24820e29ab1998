#include "widgets/MemoLines.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace mirvane {
namespace {

QStringList LinesOf(const QString& Text)
{
    return Text.isEmpty() ? QStringList{} : Text.split(u'\n');
}

QString WithLine(const QString& Text, int Index, const QString& Line)
{
    QStringList Lines = LinesOf(Text);
    while (Lines.size() <= Index) {
        Lines.append(QString());
    }
    Lines[Index] = Line;
    return Lines.join(u'\n');
}

}  // namespace

QStringList MemoLines(const QPlainTextEdit& Memo)
{
    return LinesOf(Memo.toPlainText());
}

QStringList MemoLines(const QLabel& Memo)
{
    return LinesOf(Memo.text());
}

void SetMemoLines(QPlainTextEdit& Memo, const QStringList& Lines)
{
    Memo.setPlainText(Lines.join(u'\n'));
}

void SetMemoLines(QLabel& Memo, const QStringList& Lines)
{
    Memo.setText(Lines.join(u'\n'));
}

void ReplaceMemoLine(QPlainTextEdit& Memo, int Index, const QString& Line)
{
    if (Index >= 0) {
        Memo.setPlainText(WithLine(Memo.toPlainText(), Index, Line));
    }
}

void ReplaceMemoLine(QLabel& Memo, int Index, const QString& Line)
{
    if (Index >= 0) {
        Memo.setText(WithLine(Memo.text(), Index, Line));
    }
}

}  // namespace mirvane

#include "widgets/MessageBox.h"

#include <utility>

#include <QApplication>
#include <QMessageBox>

namespace mirvane {
namespace {

void ShowModalBox(TBoxKind Kind, const QString& Text)
{
    QMessageBox Box(Kind == TBoxKind::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QString::fromLatin1(ApplicationTitle), Text, QMessageBox::Ok, QApplication::activeWindow());
    Box.exec();
}

TMessageBoxFunction& CurrentFunction()
{
    static TMessageBoxFunction Function = ShowModalBox;
    return Function;
}

bool& Replaced()
{
    static bool Flag = false;
    return Flag;
}

bool& QuestionAnswer()
{
    static bool Yes = false;
    return Yes;
}

}  // namespace

TMessageBoxFunction SetMessageBoxFunction(TMessageBoxFunction Function)
{
    if (!Function) {
        Function = ShowModalBox;
    }
    using TPlainFunction = void (*)(TBoxKind, const QString&);
    const TPlainFunction* Plain = Function.target<TPlainFunction>();
    Replaced() = Plain == nullptr || *Plain != &ShowModalBox;
    return std::exchange(CurrentFunction(), std::move(Function));
}

void ShowMessageBox(TBoxKind Kind, const QString& Text)
{
    // A copy, so that a function that replaces itself while it runs stays
    // alive until it returns.
    const TMessageBoxFunction Function = CurrentFunction();
    Function(Kind, Text);
}

bool AskYesNo(const QString& Text)
{
    if (!Replaced()) {
        return QMessageBox::question(QApplication::activeWindow(), QString::fromLatin1(ApplicationTitle), Text,
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
    }
    ShowMessageBox(TBoxKind::Question, Text);
    return QuestionAnswer();
}

void SetQuestionAnswer(bool Yes)
{
    QuestionAnswer() = Yes;
}

}  // namespace mirvane

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

}  // namespace

TMessageBoxFunction SetMessageBoxFunction(TMessageBoxFunction Function)
{
    if (!Function) {
        Function = ShowModalBox;
    }
    return std::exchange(CurrentFunction(), std::move(Function));
}

void ShowMessageBox(TBoxKind Kind, const QString& Text)
{
    // A copy, so that a function that replaces itself while it runs stays
    // alive until it returns.
    const TMessageBoxFunction Function = CurrentFunction();
    Function(Kind, Text);
}

}  // namespace mirvane

// A page of the main window: made when first shown, following the running
// choices.

#include "ui/WindowPage.h"

#include <QEvent>

namespace mirvane {

QString DateBoxText(TGregorianDate Date, TDateOrder Order)
{
    switch (Order) {
    case MonthDayYear:
        return QStringLiteral("%1/%2/%3").arg(Date.Month).arg(Date.Day).arg(Date.Year);
    case YearMonthDay:
        return QStringLiteral("%1/%2/%3").arg(Date.Year).arg(Date.Month).arg(Date.Day);
    default:
        return QStringLiteral("%1/%2/%3").arg(Date.Day).arg(Date.Month).arg(Date.Year);
    }
}

TWindowPage::TWindowPage(const char* Name, const TPageStart& Start, const TChoices& Choices, QWidget* Parent)
    : QWidget(Parent), Start(Start), Controls(Self, [this](QWidget&) { Build(); }), Current(Choices)
{
    setObjectName(QString::fromLatin1(Name));
}

std::string TWindowPage::ExportText(TExportFormat /*Format*/, const TExportDetails& /*Details*/, QString& Problem) const
{
    Problem = tr("This page has no list to export.");
    return {};
}

void TWindowPage::FollowChoices(const TChoices& New)
{
    const TChoices Old = Current;
    Current = New;
    if (Made()) {
        ChoicesChanged(Old);
    }
}

void TWindowPage::changeEvent(QEvent* Event)
{
    QWidget::changeEvent(Event);
    if (Event->type() == QEvent::LanguageChange && Made()) {
        SetCaptions();
    }
}

}  // namespace mirvane

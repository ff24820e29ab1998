#include "ui/ReminderWindow.h"

#include <cstddef>
#include <utility>

#include <QDialogButtonBox>
#include <QEvent>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/LocalDates.h"
#include "ui/LocalDue.h"
#include "ui/LocalDue.h"

namespace mirvane {

TReminderWindow::TReminderWindow(const std::vector<TDueReminder>& Due, std::function<void()> ShowList,
                                 QWidget* Parent)
    : QDialog(Parent), Reminders(Due)
{
    setObjectName(QStringLiteral("ReminderWindow"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    DueList = new QTreeWidget(this);
    DueList->setObjectName(QStringLiteral("DueList"));
    DueList->setRootIsDecorated(false);
    DueList->setColumnCount(3);
    for (const TDueReminder& Reminder : Due) {
        new QTreeWidgetItem(DueList, {LocalOccasionTitle(Reminder.Entry)});
    }

    auto* Buttons = new QDialogButtonBox(this);
    ShowListButton = Buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    ShowListButton->setObjectName(QStringLiteral("ShowListButton"));
    CloseButton = Buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    ShowListButton->setDefault(true);
    connect(ShowListButton, &QPushButton::clicked, this, [this, ShowList = std::move(ShowList)] {
        if (ShowList) {
            ShowList();
        }
        close();
    });
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);

    SetCaptions();
    auto* Layout = new QVBoxLayout(this);
    Layout->addWidget(DueList);
    Layout->addWidget(Buttons);
    resize(qMax(420, DueList->header()->length() + 40), 240);
}

void TReminderWindow::SetCaptions()
{
    setWindowTitle(tr("Dates to remember"));
    DueList->setAccessibleName(tr("Due dates"));
    DueList->setHeaderLabels({tr("Occasion"), tr("Date"), tr("When")});
    for (int Row = 0; Row < DueList->topLevelItemCount(); ++Row) {
        const TDueReminder& Reminder = Reminders[static_cast<std::size_t>(Row)];
        QTreeWidgetItem& Item = *DueList->topLevelItem(Row);
        Item.setText(1, LocalDateText(Reminder.Next));
        Item.setText(2, LocalDueWhen(Reminder.DaysUntil));
    }
    for (int Column = 0; Column < DueList->columnCount(); ++Column) {
        DueList->resizeColumnToContents(Column);
    }
    ShowListButton->setText(tr("Show the list"));
    CloseButton->setText(tr("Close"));
}

void TReminderWindow::changeEvent(QEvent* Event)
{
    if (Event->type() == QEvent::LanguageChange) {
        SetCaptions();
    }
    QDialog::changeEvent(Event);
}

}  // namespace mirvane

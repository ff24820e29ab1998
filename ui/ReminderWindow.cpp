#include "ui/ReminderWindow.h"

#include <utility>

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "engine/GregorianDateText.h"

namespace mirvane {

TReminderWindow::TReminderWindow(const std::vector<TDueReminder>& Due, std::function<void()> ShowList,
                                 QWidget* Parent)
    : QDialog(Parent)
{
    setObjectName(QStringLiteral("ReminderWindow"));
    setWindowTitle(tr("Dates to remember"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    DueList = new QTreeWidget(this);
    DueList->setObjectName(QStringLiteral("DueList"));
    DueList->setAccessibleName(tr("Due dates"));
    DueList->setRootIsDecorated(false);
    DueList->setHeaderLabels({tr("Occasion"), tr("Date"), tr("When")});
    for (const TDueReminder& Reminder : Due) {
        new QTreeWidgetItem(DueList, {QString::fromStdString(Reminder.Entry.Occasion),
                                      QString::fromStdString(GregorianDateText(Reminder.Next)),
                                      QString::fromStdString(DueWhenText(Reminder.DaysUntil))});
    }
    for (int Column = 0; Column < DueList->columnCount(); ++Column) {
        DueList->resizeColumnToContents(Column);
    }

    auto* Buttons = new QDialogButtonBox(this);
    ShowListButton = Buttons->addButton(tr("Show the list"), QDialogButtonBox::AcceptRole);
    ShowListButton->setObjectName(QStringLiteral("ShowListButton"));
    CloseButton = Buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    ShowListButton->setDefault(true);
    connect(ShowListButton, &QPushButton::clicked, this, [this, ShowList = std::move(ShowList)] {
        if (ShowList) {
            ShowList();
        }
        close();
    });
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);

    auto* Layout = new QVBoxLayout(this);
    Layout->addWidget(DueList);
    Layout->addWidget(Buttons);
    resize(qMax(420, DueList->header()->length() + 40), 240);
}

}  // namespace mirvane

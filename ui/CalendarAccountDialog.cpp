#include "ui/CalendarAccountDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <QVBoxLayout>

#include "caldav/CalDavDiscovery.h"
#include "caldav/CalendarSync.h"
#include "sync/SyncEvent.h"
#include "ui/LibraryMessages.h"

namespace mirvane {

// A discovery's question and answer, shared with its thread.
struct TFinding {
    TCalDavAccount Account;
    std::vector<TCalendarInfo> Calendars;
    QString Failure;
};

namespace {

void Name(QWidget& Widget, const char* ObjectName, const QString& Accessible)
{
    Widget.setObjectName(QString::fromLatin1(ObjectName));
    Widget.setAccessibleName(Accessible);
}

}  // namespace

TCalendarAccountDialog::TCalendarAccountDialog(const TSyncSettings& Current, QWidget* Parent)
    : QDialog(Parent), Initial(Current)
{
    setObjectName(QStringLiteral("CalendarAccountDialog"));
    setWindowTitle(tr("Calendar Account"));
    auto* Form = new QFormLayout;
    Address = new QLineEdit(Current.Server, this);
    Address->setPlaceholderText(QStringLiteral("https://cloud.example.org"));
    Name(*Address, "AddressEdit", tr("Server address"));
    User = new QLineEdit(Current.User, this);
    Name(*User, "UserEdit", tr("User name"));
    PasswordEdit = new QLineEdit(this);
    PasswordEdit->setEchoMode(QLineEdit::Password);
    Name(*PasswordEdit, "PasswordEdit", tr("Password"));
    FindButton = new QPushButton(tr("&Find Calendars"), this);
    FindButton->setObjectName(QStringLiteral("FindButton"));
    Calendars = new QComboBox(this);
    Name(*Calendars, "CalendarBox", tr("Calendars"));
    if (!Current.Calendar.isEmpty())
        Calendars->addItem(Current.Calendar, Current.Calendar);
    Calendars->addItem(tr("New calendar \"Mirvane\""), QString());
    Years = new QSpinBox(this);
    Years->setRange(1, MaxSyncYears);
    Years->setValue(Current.Years);
    Name(*Years, "YearsBox", tr("Years ahead"));
    Festivals = new QCheckBox(tr("Also the &festivals of the next 12 months"), this);
    Festivals->setObjectName(QStringLiteral("FestivalsBox"));
    Festivals->setChecked(Current.Festivals);
    Candles = new QCheckBox(tr("Also the candle-lighting &times of the next 12 months at the chosen place"), this);
    Candles->setObjectName(QStringLiteral("CandlesBox"));
    Candles->setChecked(Current.Candles);
    Status = new QLabel(this);
    Status->setObjectName(QStringLiteral("StatusLabel"));
    Status->setWordWrap(true);
    auto* CalendarLabel = new QLabel(tr("&Calendar:"), this);
    CalendarLabel->setBuddy(Calendars);
    Form->addRow(tr("&Address:"), Address);
    Form->addRow(tr("&User name:"), User);
    Form->addRow(tr("&Password:"), PasswordEdit);
    Form->addRow(QString(), FindButton);
    Form->addRow(CalendarLabel, Calendars);
    Form->addRow(tr("&Years ahead:"), Years);
    Form->addRow(QString(), Festivals);
    Form->addRow(QString(), Candles);
    auto* Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    OkButton = Buttons->button(QDialogButtonBox::Ok);
    QPushButton* StopButton = Buttons->addButton(tr("&Stop Syncing"), QDialogButtonBox::DestructiveRole);
    StopButton->setObjectName(QStringLiteral("StopButton"));
    StopButton->setEnabled(!Current.Server.isEmpty());
    auto* Layout = new QVBoxLayout(this);
    Layout->addLayout(Form);
    Layout->addWidget(Status);
    Layout->addWidget(Buttons);
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(StopButton, &QPushButton::clicked, this, &TCalendarAccountDialog::StopSyncing);
    connect(FindButton, &QPushButton::clicked, this, &TCalendarAccountDialog::FindCalendars);
    connect(Address, &QLineEdit::textChanged, this, &TCalendarAccountDialog::Check);
    connect(User, &QLineEdit::textChanged, this, &TCalendarAccountDialog::Check);
    Check();
}

TCalendarAccountDialog::~TCalendarAccountDialog()
{
    // A discovery still running is left to end on its own; its thread
    // deletes itself.
    if (Finder)
        disconnect(Finder, nullptr, this, nullptr);
}

// The address must be one the password may be sent to.
void TCalendarAccountDialog::Check()
{
    const QUrl Url = QUrl::fromUserInput(Address->text().trimmed());
    const QString Refused =
        Address->text().trimmed().isEmpty() ? QString() : WindowMessage(RefusedAddress(Url).toStdString());
    Status->setText(Refused);
    const bool Ready = !Address->text().trimmed().isEmpty() && !User->text().trimmed().isEmpty() && Refused.isEmpty();
    OkButton->setEnabled(Ready);
    FindButton->setEnabled(Ready && !Finder);
}

TSyncSettings TCalendarAccountDialog::Chosen() const
{
    TSyncSettings Settings = Initial;
    Settings.Server = QUrl::fromUserInput(Address->text().trimmed()).toString();
    Settings.User = User->text().trimmed();
    Settings.Calendar = Calendars->currentData().toString();
    Settings.Years = Years->value();
    Settings.Festivals = Festivals->isChecked();
    Settings.Candles = Candles->isChecked();
    return Settings;
}

QString TCalendarAccountDialog::Password() const
{
    return PasswordEdit->text();
}

void TCalendarAccountDialog::FindCalendars()
{
    Finding = std::make_shared<TFinding>();
    Finding->Account = {QUrl::fromUserInput(Address->text().trimmed()), User->text().trimmed(), Password()};
    const std::shared_ptr<TFinding> Work = Finding;
    Finder = QThread::create([Work] {
        try {
            TCalDavConnection Connection(Work->Account);
            Work->Calendars = DiscoverCalendars(Connection).Calendars;
        } catch (const std::exception& Failure) {
            Work->Failure = QString::fromStdString(Failure.what());
        }
    });
    connect(Finder, &QThread::finished, Finder, &QObject::deleteLater);
    connect(Finder, &QThread::finished, this, &TCalendarAccountDialog::Found);
    Status->setText(tr("Finding the calendars…"));
    FindButton->setEnabled(false);
    Finder->start();
}

void TCalendarAccountDialog::Found()
{
    Finder = nullptr;
    Calendars->clear();
    bool HasMirvane = false;
    for (const TCalendarInfo& Calendar : Finding->Calendars) {
        Calendars->addItem(Calendar.Name, Calendar.Url.toString());
        HasMirvane = HasMirvane || Calendar.Name == QLatin1String(MirvaneCalendarName);
    }
    if (!HasMirvane)
        Calendars->addItem(tr("New calendar \"Mirvane\""), QString());
    Status->setText(Finding->Failure.isEmpty() ? tr("%n calendar(s) found.", nullptr,
                                                    static_cast<int>(Finding->Calendars.size()))
                                               : WindowMessage(Finding->Failure.toStdString()));
    Check();
}

void TCalendarAccountDialog::StopSyncing()
{
    const QMessageBox::StandardButton Answer = QMessageBox::question(
        this, tr("Stop Syncing"), tr("Remove Mirvane's events from the calendar on the server too?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No);
    if (Answer == QMessageBox::Cancel)
        return;
    Stop = true;
    RemoveEvents = Answer == QMessageBox::Yes;
    accept();
}

}  // namespace mirvane

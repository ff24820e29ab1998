#include "settings/SyncSettings.h"

#include <QEventLoop>
#include <QSettings>
#include <memory>

#include <qt6keychain/keychain.h>

#include "settings/SettingsStore.h"

namespace mirvane {
namespace {

constexpr const char* SyncGroup = "Sync";
constexpr int MostYears = 50;
const QString KeyringService = QStringLiteral("Mirvane calendar account");

QString KeyOf(const QString& Server, const QString& User)
{
    return User + QLatin1Char('@') + Server;
}

// Runs Job to its end.
void Finish(QKeychain::Job& Job)
{
    QEventLoop Loop;
    QObject::connect(&Job, &QKeychain::Job::finished, &Loop, &QEventLoop::quit);
    Job.setAutoDelete(false);
    Job.start();
    Loop.exec();
}

}  // namespace

TSyncSettings TSyncSettings::Load()
{
    TSyncSettings Settings;
    const std::unique_ptr<QSettings> Store = OpenGroup(SyncGroup);
    if (!Store)
        return Settings;
    Settings.Server = Store->value(QStringLiteral("Server")).toString();
    Settings.User = Store->value(QStringLiteral("User")).toString();
    Settings.Calendar = Store->value(QStringLiteral("Calendar")).toString();
    if (const auto Years = ReadInteger(*Store, "Years"); Years && *Years >= 1 && *Years <= MostYears)
        Settings.Years = *Years;
    if (const auto Festivals = ReadInteger(*Store, "Festivals"))
        Settings.Festivals = *Festivals != 0;
    if (const auto Candles = ReadInteger(*Store, "CandleLighting"))
        Settings.Candles = *Candles != 0;
    return Settings;
}

void TSyncSettings::Save() const
{
    WriteGroup(SyncGroup, [this](QSettings& Store) {
        Store.setValue(QStringLiteral("Server"), Server);
        Store.setValue(QStringLiteral("User"), User);
        Store.setValue(QStringLiteral("Calendar"), Calendar);
        Store.setValue(QStringLiteral("Years"), Years);
        Store.setValue(QStringLiteral("Festivals"), Festivals ? 1 : 0);
        Store.setValue(QStringLiteral("CandleLighting"), Candles ? 1 : 0);
    });
}

void TSyncSettings::Forget()
{
    WriteGroup(SyncGroup, [](QSettings& Store) { Store.remove(QString()); });
}

std::optional<QString> ReadSyncPassword(const QString& Server, const QString& User)
{
    QKeychain::ReadPasswordJob Job(KeyringService);
    Job.setKey(KeyOf(Server, User));
    Finish(Job);
    if (Job.error() != QKeychain::NoError)
        return std::nullopt;
    return Job.textData();
}

bool WriteSyncPassword(const QString& Server, const QString& User, const QString& Password)
{
    QKeychain::WritePasswordJob Job(KeyringService);
    Job.setKey(KeyOf(Server, User));
    Job.setTextData(Password);
    Finish(Job);
    return Job.error() == QKeychain::NoError;
}

void ForgetSyncPassword(const QString& Server, const QString& User)
{
    QKeychain::DeletePasswordJob Job(KeyringService);
    Job.setKey(KeyOf(Server, User));
    Finish(Job);
}

}  // namespace mirvane

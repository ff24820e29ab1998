#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <filesystem>
#include <memory>

class QThread;

namespace mirvane {

struct TSyncWork;

// Syncs the dates to remember to the account in the settings, on a thread of
// its own, so the window never waits for the network. A sync asked for while
// one runs follows it; the account's password comes from the keyring, or
// from the user once a session when there is none.
class TBackgroundSync : public QObject {
    Q_OBJECT

public:
    explicit TBackgroundSync(std::filesystem::path Store, QObject* Parent = nullptr);
    ~TBackgroundSync() override;

    // A sync now, if an account is set up.
    void Start();
    // Removes Mirvane's events from the account's calendar, then forgets
    // what was sent there.
    void RemoveEvents();
    // The password for this session, where no keyring keeps it.
    void SetPassword(const QString& Password) { SessionPassword = Password; }
    bool Running() const { return Thread != nullptr; }
    // The window's rules, which the festivals, the times and a plain Adar's
    // days follow; the next sync uses them.
    void FollowChoices(bool InDiaspora, bool PlainAdarIsAdar1)
    {
        Diaspora = InDiaspora;
        Adar1 = PlainAdarIsAdar1;
    }

signals:
    // "Syncing…", "Synced 14:02", or what went wrong.
    void StatusChanged(const QString& Text);
    // No password is kept for the account: ask the user.
    void PasswordWanted();

private:
    void Launch(bool Remove);
    void Finished();

    std::filesystem::path Store;
    QString SessionPassword;
    QThread* Thread = nullptr;
    std::shared_ptr<TSyncWork> Work;
    bool Again = false;
    bool Diaspora = true;
    bool Adar1 = false;
    QTimer Daily;
};

}  // namespace mirvane

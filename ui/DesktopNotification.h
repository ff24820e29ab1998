#pragma once

#include <functional>

#include <QObject>
#include <QString>
#include <QStringList>

namespace mirvane {

// One notification through the desktop's notification service on the
// session bus (org.freedesktop.Notifications), with one action, and the
// user's answer to it.
class TDesktopNotification : public QObject {
    Q_OBJECT

public:
    // Runs when the user picks the action, or when the notification is
    // closed (dismissed, expired, or after the action) without it.
    std::function<void()> OnAction;
    std::function<void()> OnClosed;

    // Shows the notification: the body one line per entry of BodyLines.
    // False when no service answers (no session bus, or no service on it).
    bool Send(const QString& Summary, const QStringList& BodyLines, const QString& ActionLabel);

private slots:
    void ActionInvoked(uint Id, const QString& Key);
    void NotificationClosed(uint Id, uint Reason);

private:
    uint SentId = 0;
    bool Answered = false;
};

}  // namespace mirvane

#include "ui/DesktopNotification.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantList>
#include <QVariantMap>

namespace mirvane {
namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");
const QString ActionKey = QStringLiteral("open");
// A service that is there answers at once; one that hangs is as good as none.
constexpr int CallTimeout = 5000;

// One method call of the service; an error reply when it is not there.
QDBusMessage Call(QDBusConnection& Bus, const QString& Method, const QVariantList& Arguments = {})
{
    QDBusMessage Message = QDBusMessage::createMethodCall(Service, Path, Interface, Method);
    Message.setArguments(Arguments);
    return Bus.call(Message, QDBus::Block, CallTimeout);
}

}  // namespace

bool TDesktopNotification::Send(const QString& Summary, const QStringList& BodyLines, const QString& ActionLabel)
{
    QDBusConnection Bus = QDBusConnection::sessionBus();
    if (!Bus.isConnected()) {
        return false;
    }
    // Occasions are the user's own text: where the service reads markup,
    // they are escaped so that they show as typed.
    const QDBusMessage Capabilities = Call(Bus, QStringLiteral("GetCapabilities"));
    if (Capabilities.type() != QDBusMessage::ReplyMessage) {
        return false;
    }
    const bool Markup = !Capabilities.arguments().isEmpty() &&
                        Capabilities.arguments().front().toStringList().contains(QStringLiteral("body-markup"));
    QStringList Lines = BodyLines;
    if (Markup) {
        for (QString& Line : Lines) {
            Line = Line.toHtmlEscaped();
        }
    }
    // Picking the action or closing the notification is the service's
    // signal; listen before sending so that no answer is missed.
    Bus.connect(Service, Path, Interface, QStringLiteral("ActionInvoked"), this,
                SLOT(ActionInvoked(uint, QString)));
    Bus.connect(Service, Path, Interface, QStringLiteral("NotificationClosed"), this,
                SLOT(NotificationClosed(uint, uint)));
    const QVariantMap Hints{{QStringLiteral("desktop-entry"), QStringLiteral("org.tellwen.Mirvane")}};
    const QDBusMessage Reply =
        Call(Bus, QStringLiteral("Notify"),
             {QStringLiteral("Mirvane"), uint{0}, QStringLiteral("org.tellwen.Mirvane"), Summary,
              Lines.join(QLatin1Char('\n')), QStringList{ActionKey, ActionLabel}, Hints, -1});
    if (Reply.type() != QDBusMessage::ReplyMessage || Reply.arguments().isEmpty()) {
        return false;
    }
    SentId = Reply.arguments().front().toUInt();
    return true;
}

void TDesktopNotification::ActionInvoked(uint Id, const QString& Key)
{
    if (Id != SentId || Key != ActionKey || Answered) {
        return;
    }
    Answered = true;
    if (OnAction) {
        OnAction();
    }
}

void TDesktopNotification::NotificationClosed(uint Id, uint)
{
    if (Id != SentId || Answered) {
        return;
    }
    Answered = true;
    if (OnClosed) {
        OnClosed();
    }
}

}  // namespace mirvane

#include "ui/AutostartEntry.h"

#include <string_view>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "ui/WholeFile.h"

namespace mirvane {
namespace {

constexpr std::string_view AutostartEntryText =
    "[Desktop Entry]\n"
    "Type=Application\n"
    "Name=Mirvane reminders\n"
    "Name[he]=תזכורות מירוון\n"
    "Comment=Tells at log-in which dates to remember are near\n"
    "Comment[he]=מודיע בכניסה למערכת אילו תאריכים לזכור קרבים\n"
    "Exec=mirvane --remind\n"
    "TryExec=mirvane\n"
    "Icon=org.tellwen.Mirvane\n"
    "Terminal=false\n"
    "NoDisplay=true\n";

}  // namespace

QString AutostartEntryPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("autostart/org.tellwen.Mirvane.Reminders.desktop"));
}

bool AutostartEntryExists()
{
    return QFileInfo(AutostartEntryPath()).isFile();
}

bool WriteAutostartEntry(QString& Error)
{
    const QString Path = AutostartEntryPath();
    const QString Folder = QFileInfo(Path).absolutePath();
    if (!QDir().mkpath(Folder)) {
        Error = QCoreApplication::translate("AutostartEntry", "Cannot make the folder %1.")
                    .arg(QDir::toNativeSeparators(Folder));
        return false;
    }
    return WriteWholeFile(Path, AutostartEntryText, Error);
}

bool RemoveAutostartEntry(QString& Error)
{
    const QString Path = AutostartEntryPath();
    QFile Entry(Path);
    if (!Entry.exists() || Entry.remove()) {
        return true;
    }
    Error = QCoreApplication::translate("AutostartEntry", "Cannot remove %1: %2")
                .arg(QDir::toNativeSeparators(Path), Entry.errorString());
    return false;
}

}  // namespace mirvane

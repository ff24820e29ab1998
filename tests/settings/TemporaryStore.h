#pragma once

#include <map>
#include <string>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>

#include "tests/settings/ScopedVariable.h"

namespace mirvane {

// Points the per-user settings store, and the desktop's configuration folder
// that holds the log-in entries, at a fresh temporary folder for the lifetime
// of the object, so tests never touch the user's own settings.
class TemporaryStore {
public:
    TemporaryStore() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Folder.path()); }
    TemporaryStore(const TemporaryStore&) = delete;
    TemporaryStore& operator=(const TemporaryStore&) = delete;

    QString FolderPath() const { return Folder.path(); }
    // What XDG_CONFIG_HOME names while the object lives.
    QString ConfigHome() const { return Folder.path() + QStringLiteral("/config"); }
    QString FilePath() const { return Folder.path() + QStringLiteral("/Tellwen/Mirvane.conf"); }
    bool FileExists() const { return QFile::exists(FilePath()); }

    // Stores values under a group (the options group unless named) as the
    // program would find them.
    void Put(const std::map<std::string, QVariant>& Values, const QString& Group = QStringLiteral("Options")) const
    {
        QSettings Store(QStringLiteral("Tellwen"), QStringLiteral("Mirvane"));
        Store.beginGroup(Group);
        for (const auto& [Name, Value] : Values) {
            Store.setValue(QString::fromStdString(Name), Value);
        }
        Store.endGroup();
        Store.sync();
    }

    // A group (the options group unless named) as stored, value by value.
    std::map<std::string, QString> Stored(const QString& Group = QStringLiteral("Options")) const
    {
        QSettings Store(QStringLiteral("Tellwen"), QStringLiteral("Mirvane"));
        Store.beginGroup(Group);
        std::map<std::string, QString> Values;
        for (const QString& Name : Store.childKeys()) {
            Values[Name.toStdString()] = Store.value(Name).toString();
        }
        return Values;
    }

    void WriteRaw(const QByteArray& Content) const
    {
        QDir().mkpath(Folder.path() + QStringLiteral("/Tellwen"));
        QFile File(FilePath());
        if (File.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            File.write(Content);
        }
    }

private:
    QTemporaryDir Folder;
    TScopedVariable ConfigHomeVariable{"XDG_CONFIG_HOME", ConfigHome().toLocal8Bit()};
};

}  // namespace mirvane

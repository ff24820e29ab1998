#pragma once

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QString>

#include "tests/settings/TemporaryStore.h"

namespace mirvane {

// Makes a file or folder read-only for everyone, root included, for the
// lifetime of the object: the immutable attribute where the file system has
// it and the process may set it (root; plain permissions do not stop root),
// plain permissions otherwise (any other user).
class TReadOnlyPath {
public:
    explicit TReadOnlyPath(const QString& Path)
        : Path(Path.toLocal8Bit())
    {
        Immutable = SetImmutable(true);
        if (!Immutable)
            ::chmod(this->Path.constData(), 0555);
    }
    ~TReadOnlyPath()
    {
        if (Immutable)
            SetImmutable(false);
        ::chmod(Path.constData(), 0755);
    }
    TReadOnlyPath(const TReadOnlyPath&) = delete;
    TReadOnlyPath& operator=(const TReadOnlyPath&) = delete;

private:
    bool SetImmutable(bool On) const
    {
        const int Descriptor = ::open(Path.constData(), O_RDONLY | O_NONBLOCK);
        if (Descriptor < 0)
            return false;
        int Flags = 0;
        bool Done = ::ioctl(Descriptor, FS_IOC_GETFLAGS, &Flags) == 0;
        if (Done) {
            Flags = On ? (Flags | FS_IMMUTABLE_FL) : (Flags & ~FS_IMMUTABLE_FL);
            Done = ::ioctl(Descriptor, FS_IOC_SETFLAGS, &Flags) == 0;
        }
        ::close(Descriptor);
        return Done;
    }

    QByteArray Path;
    bool Immutable = false;
};

inline QByteArray FileContent(const QString& Path)
{
    QFile File(Path);
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}

// A temporary store's file and folder, read-only for the lifetime of the
// object, with the content the file had.
class TReadOnlyStore {
public:
    explicit TReadOnlyStore(const TemporaryStore& Store)
        : Folder(Store.FolderPath() + QStringLiteral("/Tellwen")),
          Content(FileContent(Store.FilePath())),
          FileGuard(Store.FilePath()),
          FolderGuard(Folder)
    {
    }

    // False where this user can make files in the folder all the same: then
    // no read-only store can be tested.
    bool Holds() const
    {
        QFile Probe(Folder + QStringLiteral("/probe"));
        const bool Created = Probe.open(QIODevice::WriteOnly);
        if (Created)
            Probe.remove();
        return !Created;
    }

    const QString Folder;
    const QByteArray Content;

private:
    TReadOnlyPath FileGuard;
    TReadOnlyPath FolderGuard;
};

}  // namespace mirvane

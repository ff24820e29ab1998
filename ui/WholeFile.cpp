#include "ui/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

namespace mirvane {

bool WriteWholeFile(const QString& Path, std::string_view Text, QString& Problem)
{
    QSaveFile File(Path);
    const auto Size = static_cast<qint64>(Text.size());
    if (!File.open(QIODevice::WriteOnly) || File.write(Text.data(), Size) != Size || !File.commit()) {
        Problem = QCoreApplication::translate("WholeFile", "Cannot write %1: %2")
                      .arg(QDir::toNativeSeparators(Path), File.errorString());
        return false;
    }
    return true;
}

}  // namespace mirvane

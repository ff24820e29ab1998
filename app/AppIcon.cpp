#include "app/AppIcon.h"

#include <QDirIterator>

namespace mirvane {

QIcon AppIcon()
{
    QIcon Icon;
    // Each size lies in a folder of its own, as in an icon theme:
    // ":/icons/32x32/apps/org.tellwen.Mirvane.png".
    QDirIterator Sizes(QStringLiteral(":/icons"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (Sizes.hasNext()) {
        Icon.addFile(Sizes.next() + QStringLiteral("/apps/") + QLatin1String(AppId) + QStringLiteral(".png"));
    }
    return Icon;
}

}  // namespace mirvane

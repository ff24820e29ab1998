#include "app/AppIcon.h"

#include <QDirIterator>
#include <QImageReader>
#include <QPixmap>

namespace mirvane {

QIcon AppIcon()
{
    QIcon Icon;
    // Each size lies in a folder of its own, as in an icon theme:
    // ":/icons/32x32/apps/org.tellwen.Mirvane.png".
    QDirIterator Sizes(QStringLiteral(":/icons"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (Sizes.hasNext()) {
        // They are PNG files, read as such: an image whose format is to be
        // found from its content makes the toolkit load every image format
        // plugin installed to ask each one, at start, before the first frame.
        QImageReader Reader(Sizes.next() + QStringLiteral("/apps/") + QLatin1String(AppId) + QStringLiteral(".png"),
                            "png");
        Reader.setAutoDetectImageFormat(false);
        Icon.addPixmap(QPixmap::fromImage(Reader.read()));
    }
    return Icon;
}

}  // namespace mirvane

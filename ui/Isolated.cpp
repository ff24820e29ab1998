#include "ui/Isolated.h"

namespace mirvane {

QString Isolated(const QString& Text)
{
    return QChar(0x2068) + Text + QChar(0x2069);
}

}  // namespace mirvane

#pragma once

#include <QColor>
#include <QPalette>

namespace mirvane {

// A dark desktop theme: light text on dark faces, as a user's theme would
// set it, for checking that everything the window draws comes from the
// palette.
inline QPalette DarkPalette()
{
    const QColor Text(0xe6, 0xe6, 0xe6);
    const QColor Button(0x3c, 0x3f, 0x41);
    const QColor Window(0x2f, 0x31, 0x33);
    const QColor Base(0x1f, 0x20, 0x22);
    QPalette Palette(Text, Button, Button.lighter(160), Button.darker(160), Button.lighter(125), Text, Qt::white, Base,
                     Window);
    Palette.setColor(QPalette::Shadow, QColor(0x0e, 0x0e, 0x0e));
    Palette.setColor(QPalette::AlternateBase, Window);
    Palette.setColor(QPalette::Highlight, QColor(0x35, 0x74, 0xd0));
    Palette.setColor(QPalette::HighlightedText, Qt::white);
    Palette.setColor(QPalette::Link, QColor(0x6c, 0xa8, 0xff));
    Palette.setColor(QPalette::ToolTipBase, Window);
    Palette.setColor(QPalette::ToolTipText, Text);
    Palette.setColor(QPalette::PlaceholderText, QColor(0x9a, 0x9a, 0x9a));
    for (const QPalette::ColorRole Role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        Palette.setColor(QPalette::Disabled, Role, QColor(0x80, 0x80, 0x80));
    }
    return Palette;
}

}  // namespace mirvane

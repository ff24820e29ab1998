#pragma once

#include <QColor>
#include <QPalette>

namespace mirvane {

// The colours a grid is painted in, all taken from the palette so that a
// dark desktop theme stays readable.
struct TGridColours {
    QColor Face;          // heading cells
    QColor FaceText;
    QColor EdgeLight;     // top and left of a heading's raised edge
    QColor EdgeShadow;    // bottom and right of it
    QColor Window;        // other cells and the area beyond the last cell
    QColor WindowText;
    QColor Highlight;     // the selected cell, with or without the focus
    QColor HighlightText;
    QColor HeadingLine;   // dark lines between heading cells
    QColor CellLine;      // light lines between the other cells
};

TGridColours GridColoursFrom(const QPalette& Palette);

}  // namespace mirvane

#pragma once

#include <QFont>
#include <QRect>

class QWidget;

namespace mirvane {

// The window is laid out in pixels for an 8-point sans-serif font at 96
// dots per inch. Text in the platform's default font runs taller and wider,
// so every position and size is stretched by the ratio of the two fonts,
// never shrunk, and no caption is cut off.
class TFormScale {
public:
    explicit TFormScale(const QFont& Font);

    int X(int Pixels) const;
    int Y(int Pixels) const;
    QRect Rect(int Left, int Top, int Width, int Height) const;

    // Sets the widget's geometry from design pixels.
    void Place(QWidget& Widget, int Left, int Top, int Width, int Height) const;
    // Places a widget at design pixels with the size its content asks for.
    void PlaceNatural(QWidget& Widget, int Left, int Top) const;

private:
    double Horizontal;
    double Vertical;
};

}  // namespace mirvane

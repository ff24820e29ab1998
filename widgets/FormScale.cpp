#include "widgets/FormScale.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QWidget>

namespace mirvane {
namespace {

// Text height and average letter width of the design font, in pixels.
constexpr double DesignTextHeight = 13.0;
constexpr double DesignLetterWidth = 5.5;

double AverageLetterWidth(const QFontMetricsF& Metrics)
{
    const QString Letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    return Metrics.horizontalAdvance(Letters) / static_cast<double>(Letters.size());
}

}  // namespace

TFormScale::TFormScale(const QFont& Font)
{
    const QFontMetricsF Metrics(Font);
    Horizontal = std::max(1.0, AverageLetterWidth(Metrics) / DesignLetterWidth);
    Vertical = std::max(1.0, Metrics.height() / DesignTextHeight);
}

int TFormScale::X(int Pixels) const
{
    return static_cast<int>(std::lround(Pixels * Horizontal));
}

int TFormScale::Y(int Pixels) const
{
    return static_cast<int>(std::lround(Pixels * Vertical));
}

QRect TFormScale::Rect(int Left, int Top, int Width, int Height) const
{
    return {X(Left), Y(Top), X(Width), Y(Height)};
}

void TFormScale::Place(QWidget& Widget, int Left, int Top, int Width, int Height) const
{
    Widget.setGeometry(Rect(Left, Top, Width, Height));
}

void TFormScale::PlaceNatural(QWidget& Widget, int Left, int Top) const
{
    Widget.setGeometry(QRect(QPoint(X(Left), Y(Top)), Widget.sizeHint()));
}

}  // namespace mirvane

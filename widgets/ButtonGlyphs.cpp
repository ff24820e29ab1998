#include "widgets/ButtonGlyphs.h"

#include <QAbstractButton>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

#include "widgets/FollowPalette.h"

namespace mirvane {
namespace {

constexpr int GlyphSize = 16;

// A sheet of paper in the colours of a document.
void DrawPage(QPainter& Painter, const QPalette& Palette)
{
    Painter.setPen(QPen(Palette.color(QPalette::Text), 1));
    Painter.setBrush(Palette.color(QPalette::Base));
    Painter.drawRect(3, 1, 10, 13);
}

void DrawCross(QPainter& Painter, const QColor& Colour)
{
    Painter.setPen(QPen(Colour, 2.5, Qt::SolidLine, Qt::RoundCap));
    Painter.drawLine(4, 4, 12, 12);
    Painter.drawLine(12, 4, 4, 12);
}

QIcon DrawGlyph(TGlyph Glyph, const QPalette& Palette)
{
    // Marks in the button's text colour stand out on its face, and on the
    // page, in any theme.
    const QColor Mark = Palette.color(QPalette::Active, QPalette::ButtonText);
    QPixmap Image(GlyphSize, GlyphSize);
    Image.fill(Qt::transparent);
    QPainter Painter(&Image);
    Painter.setRenderHint(QPainter::Antialiasing);
    switch (Glyph) {
    case TGlyph::NewPage:
        DrawPage(Painter, Palette);
        Painter.setPen(QPen(Mark, 2));
        Painter.drawLine(8, 4, 8, 11);
        Painter.drawLine(5, 7, 11, 7);
        break;
    case TGlyph::Delete:
    case TGlyph::Cancel:
        DrawCross(Painter, Mark);
        break;
    case TGlyph::Modify:
        DrawPage(Painter, Palette);
        Painter.setPen(QPen(Mark, 2));
        Painter.drawLine(5, 11, 12, 4);
        break;
    case TGlyph::Ok: {
        QPainterPath Tick;
        Tick.moveTo(3, 8);
        Tick.lineTo(7, 12);
        Tick.lineTo(13, 4);
        Painter.setPen(QPen(Mark, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        Painter.setBrush(Qt::NoBrush);
        Painter.drawPath(Tick);
        break;
    }
    }
    Painter.end();
    return QIcon(Image);
}

}  // namespace

void SetButtonGlyph(QAbstractButton& Button, TGlyph Glyph)
{
    // The follower is the button's child and never outlives it.
    FollowPalette(Button, [&Button, Glyph](QWidget&) { Button.setIcon(DrawGlyph(Glyph, Button.palette())); });
}

}  // namespace mirvane

#include "ui/ButtonGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace mirvane {
namespace {

constexpr int GlyphSize = 16;

void DrawPage(QPainter& Painter)
{
    Painter.setPen(QPen(QColor(0x50, 0x50, 0x50), 1));
    Painter.setBrush(Qt::white);
    Painter.drawRect(3, 1, 10, 13);
}

void DrawCross(QPainter& Painter, const QColor& Colour)
{
    Painter.setPen(QPen(Colour, 2.5, Qt::SolidLine, Qt::RoundCap));
    Painter.drawLine(4, 4, 12, 12);
    Painter.drawLine(12, 4, 4, 12);
}

}  // namespace

QIcon ButtonGlyph(TGlyph Glyph)
{
    QPixmap Image(GlyphSize, GlyphSize);
    Image.fill(Qt::transparent);
    QPainter Painter(&Image);
    Painter.setRenderHint(QPainter::Antialiasing);
    switch (Glyph) {
    case TGlyph::NewPage:
        DrawPage(Painter);
        Painter.setPen(QPen(QColor(0x20, 0x80, 0x20), 2));
        Painter.drawLine(8, 4, 8, 11);
        Painter.drawLine(5, 7, 11, 7);
        break;
    case TGlyph::Delete:
        DrawCross(Painter, QColor(0xb0, 0x20, 0x20));
        break;
    case TGlyph::Modify:
        DrawPage(Painter);
        Painter.setPen(QPen(QColor(0x20, 0x40, 0xa0), 2));
        Painter.drawLine(5, 11, 12, 4);
        break;
    case TGlyph::Cancel:
        DrawCross(Painter, QColor(0xc0, 0x30, 0x30));
        break;
    case TGlyph::Ok: {
        QPainterPath Tick;
        Tick.moveTo(3, 8);
        Tick.lineTo(7, 12);
        Tick.lineTo(13, 4);
        Painter.setPen(QPen(QColor(0x20, 0x90, 0x20), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        Painter.setBrush(Qt::NoBrush);
        Painter.drawPath(Tick);
        break;
    }
    }
    Painter.end();
    return QIcon(Image);
}

}  // namespace mirvane

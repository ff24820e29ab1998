#include "widgets/GridColours.h"

namespace mirvane {

TGridColours GridColoursFrom(const QPalette& Palette)
{
    TGridColours Colours;
    Colours.Face = Palette.color(QPalette::Button);
    Colours.FaceText = Palette.color(QPalette::ButtonText);
    Colours.EdgeLight = Palette.color(QPalette::Light);
    Colours.EdgeShadow = Palette.color(QPalette::Dark);
    Colours.Window = Palette.color(QPalette::Base);
    Colours.WindowText = Palette.color(QPalette::Text);
    // The selection keeps the active look while another control has the focus.
    Colours.Highlight = Palette.color(QPalette::Active, QPalette::Highlight);
    Colours.HighlightText = Palette.color(QPalette::Active, QPalette::HighlightedText);
    Colours.HeadingLine = Palette.color(QPalette::Shadow);
    // Lines the colour of the cells would vanish; a darker shade then.
    Colours.CellLine = Palette.color(QPalette::Mid);
    if (Colours.CellLine == Colours.Window)
        Colours.CellLine = Palette.color(QPalette::Dark);
    return Colours;
}

}  // namespace mirvane

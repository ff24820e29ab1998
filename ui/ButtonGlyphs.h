#pragma once

#include <QIcon>

namespace mirvane {

// Small images of the image buttons, drawn rather than looked up in the
// desktop's icon theme, which would cost the start-up a search of the icon
// folders for a page that is rarely shown. The disabled look comes from QIcon.
enum class TGlyph { NewPage, Delete, Modify, Cancel, Ok };

QIcon ButtonGlyph(TGlyph Glyph);

}  // namespace mirvane

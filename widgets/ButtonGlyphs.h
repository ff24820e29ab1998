#pragma once

class QAbstractButton;

namespace mirvane {

// Small images of the image buttons, drawn rather than looked up in the
// desktop's icon theme, which would cost the start-up a search of the icon
// folders for a page that is rarely shown. They are drawn in the button's
// palette and drawn again when it changes, so they stay visible in a dark
// theme; the disabled look comes from QIcon.
enum class TGlyph { NewPage, Delete, Modify, Cancel, Ok };

void SetButtonGlyph(QAbstractButton& Button, TGlyph Glyph);

}  // namespace mirvane

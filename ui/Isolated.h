#pragma once

#include <QString>

namespace mirvane {

// Text of its own direction set into a sentence of the other, such as an
// English place name or an address in a Hebrew sentence: the Unicode first
// strong isolate keeps the sentence's words and the text's own in their
// order, and is invisible.
QString Isolated(const QString& Text);

}  // namespace mirvane

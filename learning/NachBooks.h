#pragma once

#include <span>

#include "learning/StudyBook.h"

namespace mirvane {

// The Prophets and the Writings in the order the Nach Yomi reads them, a
// chapter a day.
std::span<const TStudyBook> NachBooks();

}  // namespace mirvane

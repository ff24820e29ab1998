#pragma once

#include <string_view>

#include <QString>

namespace mirvane {

// Writes Text to Path whole or not at all: a temporary file beside it,
// renamed into place. False with the reason in Problem.
bool WriteWholeFile(const QString& Path, std::string_view Text, QString& Problem);

}  // namespace mirvane

#pragma once

#include <ostream>

#include <QString>

// Lets GoogleTest print texts in failure messages.
inline void PrintTo(const QString& Text, std::ostream* Stream)
{
    *Stream << '"' << Text.toStdString() << '"';
}

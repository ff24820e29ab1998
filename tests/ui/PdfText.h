#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace mirvane {

// The text of a PDF file as pdftotext reads it, laid out as on the page so
// that a table row stays on one line; empty when the tool fails.
inline QString PdfText(const QString& Path)
{
    QProcess Tool;
    Tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), Path, QStringLiteral("-")});
    if (!Tool.waitForFinished(30000) || Tool.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(Tool.readAllStandardOutput());
}

// One field of a PDF file's information, as pdfinfo gives it ("Pages",
// "Title"); empty when the file cannot be read.
inline QString PdfInfo(const QString& Path, const QString& Field)
{
    QProcess Tool;
    Tool.start(QStringLiteral("pdfinfo"), {Path});
    if (!Tool.waitForFinished(30000) || Tool.exitCode() != 0) {
        return {};
    }
    for (const QString& Line : QString::fromUtf8(Tool.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (Line.startsWith(Field + QLatin1Char(':'))) {
            return Line.mid(Field.size() + 1).trimmed();
        }
    }
    return {};
}

// The number of pages of a PDF file; 0 when it cannot be read.
inline int PdfPageCount(const QString& Path)
{
    return PdfInfo(Path, QStringLiteral("Pages")).toInt();
}

}  // namespace mirvane

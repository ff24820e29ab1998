// The Times page's wiring: the invitation without a place, the typed date's
// times with the rows of its day, the month sheet, the Hebrew Names option,
// and its export written as the command line writes the same request.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTableWidget>

#include "engine/JewishYear.h"
#include "tests/ui/BoxCapture.h"
#include "ui/TimesPage.h"

namespace mirvane {
namespace {

QStringList Column(const QTableWidget& Table, int Column)
{
    QStringList Cells;
    for (int Row = 0; Row < Table.rowCount(); ++Row)
        Cells.append(Table.item(Row, Column)->text());
    return Cells;
}

QByteArray CommandLine(const QStringList& Arguments)
{
    QProcess Cli;
    Cli.start(QStringLiteral(MIRVANE_CLI_PROGRAM), Arguments);
    EXPECT_TRUE(Cli.waitForFinished(30000));
    return Cli.readAllStandardOutput();
}

TEST(TimesPage, InvitesWithoutAPlaceThenShowsTheTypedDayAndItsMonth)
{
    BoxCapture Boxes;
    Diaspora = true;
    TTimesPage Page;
    Page.Make();
    EXPECT_FALSE(Page.Invitation->isHidden());
    EXPECT_TRUE(Page.DayTable->isHidden());
    EXPECT_EQ(Page.DayTable->rowCount(), 0);

    Page.SetLocation(TLocation{"Jerusalem", "Israel", 31.76904, 35.21633, "Asia/Jerusalem", 40, 0});
    Page.DateBox->setText(QStringLiteral("11/12/2026"));  // a Friday of Chanukah
    EXPECT_TRUE(Page.Invitation->isHidden());
    const QStringList Captions = Column(*Page.DayTable, 0);
    ASSERT_EQ(Captions.size(), 14);
    EXPECT_EQ(Captions.front(), QStringLiteral("Dawn"));
    EXPECT_EQ(Captions.back(), QStringLiteral("Candle lighting"));
    EXPECT_TRUE(Page.DayDescriptionLabel->text().startsWith(QStringLiteral("Friday 11 December 2026, ")));
    EXPECT_EQ(Page.MonthTitle->text(), QStringLiteral("December 2026"));
    EXPECT_EQ(Page.MonthTable->item(0, 0)->text(), QStringLiteral("Fri 4 Dec"));
    EXPECT_TRUE(Page.MonthTable->item(0, 1)->text().startsWith(QStringLiteral("Candle lighting 15:54")));
    EXPECT_FALSE(Page.MonthTable->item(0, 2)->text().isEmpty());

    Page.SetHebrewNames(true);
    EXPECT_TRUE(Page.MonthTable->item(0, 2)->text().isRightToLeft()) << Page.MonthTable->item(0, 2)->text().toStdString();
    EXPECT_TRUE(Boxes.Boxes.empty());

    QString Problem;
    EXPECT_EQ(QByteArray::fromStdString(Page.ExportText(TExportFormat::Csv, Problem)),
              CommandLine({QStringLiteral("times"), QStringLiteral("2026-12-01"), QStringLiteral("2026-12-31"),
                           QStringLiteral("--latitude"), QStringLiteral("31.76904"), QStringLiteral("--longitude"),
                           QStringLiteral("35.21633"), QStringLiteral("--timezone"), QStringLiteral("Asia/Jerusalem"),
                           QStringLiteral("--candle-minutes"), QStringLiteral("40"), QStringLiteral("--format"),
                           QStringLiteral("csv")}));
    Page.SetLocation(std::nullopt);
    EXPECT_TRUE(Page.ExportText(TExportFormat::Ics, Problem).empty());
    EXPECT_FALSE(Problem.isEmpty());
}

}  // namespace
}  // namespace mirvane

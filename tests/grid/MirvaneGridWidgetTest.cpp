#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QPalette>
#include <QTest>
#include <QToolTip>

#include "engine/ConvertError.h"
#include "engine/DateServices.h"
#include "grid/GridShape.h"
#include "grid/MirvaneGrid.h"
#include "times/TimeZone.h"

namespace mirvane {
namespace {

// The grid at the size of the Calendar page, on a date, counting OnChange.
class MirvaneGridWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Shown, so the grid gets its size as in a window.
        Grid.resize(345, 369);
        Grid.show();
        Grid.SetDate(EncodeDate(2000, 9, 15));
        Grid.OnChange = [this](TMirvaneGrid& Sender) {
            EXPECT_EQ(&Sender, &Grid);
            ++Changes;
        };
    }

    QPoint CentreOf(int Col, int Row) const { return Grid.CellRect(Col, Row).center(); }
    void Click(int Col, int Row) { QTest::mouseClick(&Grid, Qt::LeftButton, {}, CentreOf(Col, Row)); }
    void Press(Qt::Key Key) { QTest::keyClick(&Grid, Key); }

    QImage Render()
    {
        QImage Image(Grid.size(), QImage::Format_RGB32);
        Grid.render(&Image);
        return Image;
    }

    TMirvaneGrid Grid;
    int Changes = 0;
};

TEST_F(MirvaneGridWidget, ClientResizedFillsTheClientArea)
{
    EXPECT_EQ(Grid.contentsRect().size(), QSize(341, 365));
    EXPECT_EQ(Grid.ColWidth(0), 75);
    EXPECT_EQ(Grid.ColWidth(1), 75);
    EXPECT_EQ(Grid.ColWidth(2), 75);
    EXPECT_EQ(Grid.ColWidth(3), 112);
    EXPECT_EQ(Grid.RowHeight(0), 11);
    EXPECT_EQ(Grid.RowHeight(1), 11);
    for (int Row = 2; Row < GridRowCount; ++Row)
        EXPECT_EQ(Grid.RowHeight(Row), 10) << Row;
    EXPECT_EQ(Changes, 0);
}

TEST_F(MirvaneGridWidget, ConstructionShowsTodayInTheGregorianColumn)
{
    const TMirvaneGrid Fresh;
    EXPECT_EQ(Fresh.CurrentDate(), Today());
    EXPECT_FALSE(Fresh.JewishSelected());
    EXPECT_FALSE(Fresh.ByJewishMonth());
    EXPECT_EQ(Fresh.Col(), GregorianColumn);
    EXPECT_EQ(Fresh.Row(), DecodeDate(Today()).Day + 1);
    EXPECT_EQ(Fresh.accessibleName(), "Month grid");
    EXPECT_EQ(Fresh.ColCount(), 4);
    EXPECT_EQ(Fresh.RowCount(), 33);
    EXPECT_EQ(Fresh.FixedCols(), 1);
    EXPECT_EQ(Fresh.FixedRows(), 2);
}

TEST_F(MirvaneGridWidget, SelectionFollowsTheDate)
{
    EXPECT_EQ(Grid.Col(), GregorianColumn);
    EXPECT_EQ(Grid.Row(), 16);
    Grid.SetJewishPart(DayPart, 1);  // 1 Elul 5760 is 1 September 2000
    EXPECT_EQ(Grid.Col(), JewishColumn);
    EXPECT_EQ(Grid.Row(), 2);
    EXPECT_EQ(Changes, 1);
}

TEST_F(MirvaneGridWidget, MouseSelectsDayCellsOnly)
{
    Click(JewishColumn, 10);
    EXPECT_EQ(Grid.CurrentDate(), EncodeDate(2000, 9, 9));
    EXPECT_TRUE(Grid.JewishSelected());
    EXPECT_EQ(Grid.Col(), JewishColumn);
    EXPECT_EQ(Grid.Row(), 10);
    EXPECT_EQ(Changes, 1);

    // Column 3 and the empty row 32 keep the selection; the date is set again.
    Click(DayTextColumn, 20);
    Click(GregorianColumn, 32);
    EXPECT_EQ(Grid.Col(), JewishColumn);
    EXPECT_EQ(Grid.Row(), 10);
    EXPECT_EQ(Grid.CurrentDate(), EncodeDate(2000, 9, 9));
    EXPECT_EQ(Changes, 3);

    // Headings and the weekday column do nothing.
    Click(GregorianColumn, 0);
    Click(JewishColumn, 1);
    Click(WeekdayColumn, 12);
    EXPECT_EQ(Changes, 3);

    Click(GregorianColumn, 5);
    EXPECT_FALSE(Grid.JewishSelected());
    EXPECT_EQ(Grid.CurrentDate(), EncodeDate(2000, 9, 4));
}

TEST_F(MirvaneGridWidget, KeysStayOnTheDaysOfThePage)
{
    Press(Qt::Key_PageDown);
    EXPECT_EQ(Grid.Row(), 31);  // 30 September, the last day
    Press(Qt::Key_Down);
    EXPECT_EQ(Grid.Row(), 31);
    EXPECT_EQ(Grid.CurrentDate(), EncodeDate(2000, 9, 30));
    Press(Qt::Key_Left);
    EXPECT_EQ(Grid.Col(), GregorianColumn);
    Press(Qt::Key_Right);
    EXPECT_EQ(Grid.Col(), JewishColumn);
    EXPECT_TRUE(Grid.JewishSelected());
    Press(Qt::Key_Right);
    EXPECT_EQ(Grid.Col(), JewishColumn);
    Press(Qt::Key_Home);
    EXPECT_EQ(Grid.Row(), 2);
    Press(Qt::Key_Up);
    EXPECT_EQ(Grid.Row(), 2);
    Press(Qt::Key_Down);
    EXPECT_EQ(Grid.Row(), 3);
    EXPECT_EQ(Grid.CurrentDate(), EncodeDate(2000, 9, 2));
    // Every key reports, moved or not.
    EXPECT_EQ(Changes, 8);
}

TEST_F(MirvaneGridWidget, RightToLeftRunsTheColumnsFromTheRightEdge)
{
    Grid.setLayoutDirection(Qt::RightToLeft);
    const QRect Weekday = Grid.CellRect(WeekdayColumn, 10);
    EXPECT_EQ(Weekday.right(), Grid.contentsRect().right());
    // The text column's line follows it, at the left.
    EXPECT_EQ(Grid.CellRect(DayTextColumn, 10).left(), Grid.contentsRect().left() + Grid.GridLineWidth());
    for (const int Col : {WeekdayColumn, GregorianColumn, JewishColumn, DayTextColumn})
        EXPECT_EQ(Grid.CellAt(CentreOf(Col, 10)), (TGridCell{Col, 10})) << Col;
    EXPECT_EQ(Render().pixelColor(Weekday.right() - 2, Weekday.center().y()), Grid.palette().color(QPalette::Button));
    Click(JewishColumn, 10);
    EXPECT_EQ(Grid.Col(), JewishColumn);
    Press(Qt::Key_Right);  // towards the weekday column
    EXPECT_EQ(Grid.Col(), GregorianColumn);
    Press(Qt::Key_Left);
    EXPECT_EQ(Grid.Col(), JewishColumn);
}

TEST_F(MirvaneGridWidget, ProgramMovesAskTheVeto)
{
    Grid.SetSelectedCell(JewishColumn, 3);
    EXPECT_TRUE(Grid.JewishSelected());
    EXPECT_EQ(Grid.CurrentDate(), EncodeDate(2000, 9, 2));
    Grid.SetSelectedCell(JewishColumn, 32);
    EXPECT_EQ(Grid.Row(), 3);
    Grid.SetSelectedCell(JewishColumn, 3);  // already selected: nothing
    EXPECT_EQ(Changes, 2);
}

TEST_F(MirvaneGridWidget, RefusedStepLeavesTheWidgetAlone)
{
    Grid.SetDate(EncodeDate(2000, 1, 31));
    Changes = 0;
    const QString Description = Grid.accessibleDescription();
    EXPECT_THROW(Grid.GoNextMonth(), EConvertError);
    EXPECT_EQ(Grid.CurrentDate(), EncodeDate(2000, 1, 31));
    EXPECT_EQ(Grid.Col(), GregorianColumn);
    EXPECT_EQ(Grid.Row(), 32);
    EXPECT_EQ(Grid.accessibleDescription(), Description);
    EXPECT_EQ(Changes, 0);
}

TEST_F(MirvaneGridWidget, AccessibleDescriptionFollowsTheSelection)
{
    Grid.SetDate(EncodeDate(2026, 12, 6));
    EXPECT_EQ(Grid.accessibleDescription(), "Sunday 6 December 2026, 26 Kislev 5787, Chanukah day 2");
    Grid.SetDate(EncodeDate(2002, 9, 29));
    EXPECT_EQ(Grid.accessibleDescription(), "Sunday 29 September 2002, 23 Tishrei 5763, Simchat Torah");
    Grid.ChangeDiaspora(false);
    EXPECT_EQ(Grid.accessibleDescription(), "Sunday 29 September 2002, 23 Tishrei 5763");
    Grid.ChangeDiaspora(true);
}

TEST_F(MirvaneGridWidget, ALongDayTextEndsInAnEllipsisAndShowsWholeInItsTooltip)
{
    Grid.SetDate(EncodeDate(2026, 12, 5));  // Chanukah day 1 on Shabbat VaYeshev
    const int Row = Grid.Row();
    const QString Whole = Grid.CellText(DayTextColumn, Row);
    const QString Shown = Grid.ShownText(DayTextColumn, Row);
    ASSERT_GT(Grid.fontMetrics().horizontalAdvance(Whole), Grid.ColWidth(DayTextColumn));
    EXPECT_TRUE(Shown.endsWith(QChar(0x2026))) << Shown.toStdString();
    EXPECT_TRUE(Whole.startsWith(Shown.chopped(1))) << Shown.toStdString();
    EXPECT_LE(Grid.fontMetrics().horizontalAdvance(Shown), Grid.ColWidth(DayTextColumn));
    const auto TooltipAt = [this](int Col, int Row) {
        QHelpEvent Help(QEvent::ToolTip, CentreOf(Col, Row), Grid.mapToGlobal(CentreOf(Col, Row)));
        QApplication::sendEvent(&Grid, &Help);
        return Help.isAccepted() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(TooltipAt(DayTextColumn, Row), Whole);
    EXPECT_EQ(TooltipAt(GregorianColumn, Row), QString());  // "5" fits
}

TEST_F(MirvaneGridWidget, TheTimesKeepTheirRoomBesideALongDayTextAtEveryWidthAndInHebrew)
{
    Grid.SetDayTimes(TTimesSite{{31.76904, 35.21633}, FindTimeZone("Asia/Jerusalem"), {40, 0, false}});
    Grid.SetDate(EncodeDate(2026, 12, 12));  // Shabbat Miketz, Chanukah day 8: a long text and havdalah
    const int Row = Grid.Row();
    for (const bool Hebrew : {false, true}) {
        Grid.SetHebrewNames(Hebrew);
        const QString Times = Grid.CellTimes(DayTextColumn, Row);
        ASSERT_TRUE(Times.contains(Hebrew ? QStringLiteral("הבדלה") : QStringLiteral("Havdalah")));
        for (const int Width : {345, 400, 800}) {
            Grid.resize(Width, 369);
            const QString Shown = Grid.ShownText(DayTextColumn, Row);
            EXPECT_TRUE(Shown.endsWith(Times)) << Width << ' ' << Shown.toStdString();
            EXPECT_LE(Grid.fontMetrics().horizontalAdvance(Shown), Grid.ColWidth(DayTextColumn) + 1) << Width;
        }
        Grid.resize(400, 369);
        EXPECT_TRUE(Grid.ShownText(DayTextColumn, Row).contains(QStringLiteral("\u2026  ") + Times))
            << Grid.ShownText(DayTextColumn, Row).toStdString();
    }
    Grid.resize(345, 369);
    Grid.SetHebrewNames(false);
    Grid.SetDayTimes(std::nullopt);
    EXPECT_EQ(Grid.CellTimes(DayTextColumn, Row), QString());
}

TEST_F(MirvaneGridWidget, HebrewNamesReachTheCellsAndTheSentence)
{
    Grid.SetDate(EncodeDate(2026, 12, 6));
    Grid.SetHebrewNames(true);
    EXPECT_EQ(Grid.accessibleDescription(), "Sunday 6 December 2026, כ״ו כסלו תשפ״ז, חנוכה ב׳");
    EXPECT_EQ(Grid.CellText(JewishColumn, Grid.Row()), "כ״ו");
    EXPECT_EQ(Grid.CellText(DayTextColumn, Grid.Row()), "חנוכה ב׳");

    // Drawn right to left: the long word חנוכה stands right of the short ב׳,
    // seen as the ink on either side of the widest blank inside the text.
    const QImage Image = Render();
    const QRect Cell = Grid.CellRect(DayTextColumn, Grid.Row());
    const QColor Background = Grid.palette().color(QPalette::Base);
    std::vector<bool> Inked;
    for (int X = Cell.left() + 1; X < Cell.right(); ++X) {
        bool Ink = false;
        for (int Y = Cell.top() + 1; Y < Cell.bottom() && !Ink; ++Y)
            Ink = Image.pixelColor(X, Y) != Background;
        Inked.push_back(Ink);
    }
    const auto First = std::find(Inked.begin(), Inked.end(), true);
    const auto Last = std::find(Inked.rbegin(), Inked.rend(), true).base();
    ASSERT_LT(First, Last);
    auto GapStart = First, GapEnd = First;
    for (auto At = First; At < Last;) {
        const auto Blank = std::find(At, Last, false);
        const auto Next = std::find(Blank, Last, true);
        if (Next - Blank > GapEnd - GapStart) {
            GapStart = Blank;
            GapEnd = Next;
        }
        At = Next;
    }
    ASSERT_LT(GapStart, GapEnd);
    EXPECT_GT(Last - GapEnd, GapStart - First);
    Grid.SetHebrewNames(false);
    EXPECT_EQ(Grid.CellText(JewishColumn, Grid.Row()), "26");
    EXPECT_EQ(Changes, 1);
}

TEST_F(MirvaneGridWidget, PaintsSelectionAndHeadingsInPaletteColours)
{
    // A palette of its own, so the colours cannot come from anywhere else.
    QPalette Palette = Grid.palette();
    Palette.setColor(QPalette::Button, QColor(0x40, 0x50, 0x60));
    Palette.setColor(QPalette::Base, QColor(0x10, 0x10, 0x10));
    Palette.setColor(QPalette::Highlight, QColor(0xc0, 0x30, 0x20));
    Palette.setColor(QPalette::Text, QColor(0xf0, 0xf0, 0xf0));
    Grid.setPalette(Palette);
    const QImage Image = Render();

    const QRect Selected = Grid.CellRect(GregorianColumn, 16);
    EXPECT_EQ(Image.pixelColor(Selected.left() + 4, Selected.center().y()), QColor(0xc0, 0x30, 0x20));
    const QRect Heading = Grid.CellRect(WeekdayColumn, YearRow);
    EXPECT_EQ(Image.pixelColor(Heading.center()), QColor(0x40, 0x50, 0x60));
    const QRect Other = Grid.CellRect(JewishColumn, 20);
    EXPECT_EQ(Image.pixelColor(Other.left() + 4, Other.center().y()), QColor(0x10, 0x10, 0x10));
    // The selection keeps its colour while the window is inactive too.
    Palette.setColor(QPalette::Inactive, QPalette::Highlight, QColor(0x80, 0x80, 0x80));
    Grid.setPalette(Palette);
    EXPECT_EQ(Render().pixelColor(Selected.left() + 4, Selected.center().y()), QColor(0xc0, 0x30, 0x20));
}

TEST_F(MirvaneGridWidget, FocusRectangleOnlyWithFocus)
{
    const QRect Selected = Grid.CellRect(GregorianColumn, 16);
    const QColor Highlight = Grid.palette().color(QPalette::Active, QPalette::Highlight);
    // The left edge: the centred text never reaches it.
    const auto EdgeIsPlain = [&](const QImage& Image) {
        for (int Y = Selected.top(); Y <= Selected.bottom(); ++Y)
            if (Image.pixelColor(Selected.left(), Y) != Highlight)
                return false;
        return true;
    };
    Grid.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Grid));
    Grid.setFocus();
    ASSERT_TRUE(Grid.hasFocus());
    EXPECT_FALSE(EdgeIsPlain(Render()));
    Grid.clearFocus();
    EXPECT_TRUE(EdgeIsPlain(Render()));
}

}  // namespace
}  // namespace mirvane

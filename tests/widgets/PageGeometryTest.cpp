#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "widgets/PageGeometry.h"

namespace mirvane {
namespace {

// A page designed at 300×200: a list that grows both ways, a button right
// of it, a label below it and a box beside neither.
class PageGeometry : public ::testing::Test {
protected:
    PageGeometry()
    {
        List->setGeometry(10, 10, 150, 100);
        Button->setGeometry(200, 10, 80, 25);
        Label->setGeometry(10, 150, 80, 20);
        Box->setGeometry(200, 150, 90, 40);
        Check->setGeometry(5, 15, 50, 20);
        KeepDesignedPlaces(Page, {300, 200}, {{List, TGrowth::Both}});
        Window.show();
        Page.resize(400, 260);
    }

    // Within a window, as a page is, so that its resizes are immediate.
    QWidget Window;
    QWidget& Page = *new QWidget(&Window);
    QPlainTextEdit* List = new QPlainTextEdit(&Page);
    QPushButton* Button = new QPushButton(&Page);
    QLabel* Label = new QLabel(&Page);
    QGroupBox* Box = new QGroupBox(&Page);
    QPushButton* Check = new QPushButton(Box);
};

TEST_F(PageGeometry, GrowingControlsTakeTheRoomAndEveryControlMirrorsRightToLeft)
{
    const struct { QWidget* Control; QRect Grown, Mirrored; } Cases[] = {
        {List, {10, 10, 250, 160}, {140, 10, 250, 160}},
        {Button, {300, 10, 80, 25}, {20, 10, 80, 25}},
        {Label, {10, 210, 80, 20}, {310, 210, 80, 20}},
        {Box, {200, 150, 90, 40}, {110, 150, 90, 40}},
        {Check, {5, 15, 50, 20}, {35, 15, 50, 20}},  // within its box
    };
    EXPECT_EQ(Page.minimumSize(), QSize(300, 200));
    for (const auto Direction : {Qt::LeftToRight, Qt::RightToLeft, Qt::LeftToRight}) {
        Page.setLayoutDirection(Direction);
        for (const auto& Case : Cases)
            EXPECT_EQ(Case.Control->geometry(), Direction == Qt::LeftToRight ? Case.Grown : Case.Mirrored)
                << Case.Control->metaObject()->className() << " " << Direction;
    }
}

TEST_F(PageGeometry, PlacesGivenLaterAreDesignedOnes)
{
    Page.setLayoutDirection(Qt::RightToLeft);
    auto* Late = new QPushButton(&Page);
    Late->setGeometry(200, 60, 80, 25);  // right of the list
    Late->show();
    EXPECT_EQ(Late->geometry(), QRect(20, 60, 80, 25));
    Button->move(100, 120);  // below the list now
    EXPECT_EQ(Button->geometry(), QRect(220, 180, 80, 25));
    Page.resize(300, 200);
    EXPECT_EQ(List->geometry(), QRect(140, 10, 150, 100));
    EXPECT_EQ(Late->geometry(), QRect(20, 60, 80, 25));
}

}  // namespace
}  // namespace mirvane

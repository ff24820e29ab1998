#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <QWidget>

#include "widgets/LazyPage.h"

namespace mirvane {
namespace {

// A page shown before its controls exist, as a page turned to for the
// first time is.
class LazyPage : public ::testing::Test {
protected:
    LazyPage() { Window.show(); }

    void Build(QWidget& Page)
    {
        ++Builds;
        Caption = new QLabel(QStringLiteral("Caption"), &Page);
        List = new QLabel(QStringLiteral("List"), &Page);
        List->hide();
        // The builder reads a control it has just made.
        Caption->setBuddy(List);
    }

    QWidget Window;
    QWidget* Page = &Window;
    int Builds = 0;
    TLazyPage Controls{Page, [this](QWidget& Made) { Build(Made); }};
    TPageControl<QLabel> Caption{Controls};
    TPageControl<QLabel> List{Controls};
};

TEST_F(LazyPage, ReadingAControlMakesThePageOnceAndShowsWhatWasNotHidden)
{
    EXPECT_FALSE(Controls.Made());
    EXPECT_EQ(Builds, 0);
    EXPECT_EQ(Caption->text(), QStringLiteral("Caption"));
    EXPECT_TRUE(Controls.Made());
    EXPECT_EQ(Caption->buddy(), List.get());
    EXPECT_TRUE(Caption->isVisible());
    EXPECT_FALSE(List->isVisible());
    Controls.Make();
    EXPECT_EQ(Builds, 1);
}

TEST_F(LazyPage, ACopyTakenBeforeThePageIsMadeReadsTheControlMade)
{
    for (QLabel* Label : {Caption, List}) {
        ASSERT_NE(Label, nullptr);
        EXPECT_EQ(Label->parentWidget(), Page);
    }
    EXPECT_EQ(Builds, 1);
}

}  // namespace
}  // namespace mirvane

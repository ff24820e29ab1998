// A steady label tells the layouts above it of a new text only when the
// text needs another height.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QVBoxLayout>

#include "widgets/OnEvent.h"
#include "widgets/SteadyLabel.h"

namespace mirvane {
namespace {

TEST(SteadyLabel, ANewTextIsLaidOutAboveOnlyWhenItNeedsAnotherHeight)
{
    QWidget Page;
    auto* Layout = new QVBoxLayout(&Page);
    auto* Line = new TSteadyLabel(&Page);
    QLabel& Label = Line->Label();
    Label.setWordWrap(true);
    Label.setText(QStringLiteral("Tuesday 8 December 2026"));
    Layout->addWidget(Line);
    Layout->addStretch();
    Page.resize(300, 200);
    Page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Page));
    int Requests = 0;
    OnEvent(Page, QEvent::LayoutRequest, [&Requests] { ++Requests; });
    const struct {
        const char* Text;
        bool LaidOut;
    } Cases[] = {
        {"Wednesday 9 December 2026", false},
        {"Thursday 10 December 2026, 30 Kislev 5787, Rosh Chodesh Tevet, Chanukah day 6 and more", true},
        {"Friday 11 December 2026", true},
        {"Saturday 12 December 2026", false},
    };
    for (const auto& Case : Cases) {
        Requests = 0;
        Label.setText(QString::fromLatin1(Case.Text));
        // The label's request, then the page's that it may raise.
        QApplication::processEvents();
        QApplication::processEvents();
        EXPECT_EQ(Requests > 0, Case.LaidOut) << Case.Text;
        EXPECT_EQ(Line->height(), Label.heightForWidth(Line->width())) << Case.Text;
        EXPECT_EQ(Label.geometry(), Line->rect()) << Case.Text;
    }
}

}  // namespace
}  // namespace mirvane

#include <limits>

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include "text/DecimalText.h"
#include "tests/ui/QStringPrinter.h"
#include "widgets/UpDown.h"

namespace mirvane {
namespace {

class UpDown : public ::testing::Test {
protected:
    UpDown()
    {
        Box->setAccessibleName(QStringLiteral("Year wanted"));
        Box->setText(QStringLiteral("1995"));
        Spinner = new TUpDown(*Box, 2, 3240, 1995, ReadDecimal, &Page);
        QObject::connect(Box, &QLineEdit::textChanged, [this](const QString& Text) { Changes.append(Text); });
    }

    QWidget Page;
    QLineEdit* Box = new QLineEdit(&Page);
    TUpDown* Spinner = nullptr;
    QStringList Changes;
};

TEST_F(UpDown, SettingThePositionRewritesTheBoxWithinTheRange)
{
    Spinner->SetPosition(2026);
    Spinner->SetPosition(2026);
    Spinner->SetPosition(5000);
    Spinner->SetPosition(std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(Changes, (QStringList{QStringLiteral("2026"), QStringLiteral("3240"), QStringLiteral("2")}));
    EXPECT_EQ(Spinner->Position(), 2);
    EXPECT_EQ(Spinner->accessibleName(), QStringLiteral("Year wanted up/down"));
}

TEST_F(UpDown, StepsFromTheNumberInTheBoxWithoutWrapping)
{
    struct TStepCase {
        const char* Text;
        int Delta;
        const char* Expected;
    };
    const TStepCase Cases[] = {
        {"2000", 1, "2001"},   {"2000", -1, "1999"}, {"3240", 1, "3240"},
        {"2", -1, "2"},        {"1", 1, "2"},        {"9999", -1, "3240"},
        {"abc", 1, "1996"},    {"", -1, "1994"},     {" 2010 ", 1, "2011"},
        {"2147483647", 1, "3240"}, {"-2147483648", -1, "2"},
    };
    for (const auto& Case : Cases) {
        Spinner->SetPosition(1995);
        Box->setText(QString::fromLatin1(Case.Text));
        Spinner->StepBy(Case.Delta);
        EXPECT_EQ(Box->text(), QString::fromLatin1(Case.Expected)) << Case.Text << " " << Case.Delta;
    }
}

TEST_F(UpDown, ArrowKeysAndButtonsStep)
{
    Box->setText(QStringLiteral("2000"));
    QTest::keyClick(Box, Qt::Key_Up);
    EXPECT_EQ(Box->text(), QStringLiteral("2001"));
    QTest::keyClick(Box, Qt::Key_Down);
    QTest::keyClick(Box, Qt::Key_Down);
    EXPECT_EQ(Box->text(), QStringLiteral("1999"));

    Page.resize(200, 100);
    Spinner->setGeometry(100, 0, 15, 21);
    Page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Page));
    QTest::mouseClick(Spinner->childAt(7, 3), Qt::LeftButton);
    EXPECT_EQ(Box->text(), QStringLiteral("2000"));
    QTest::mouseClick(Spinner->childAt(7, 18), Qt::LeftButton);
    EXPECT_EQ(Box->text(), QStringLiteral("1999"));
}

}  // namespace
}  // namespace mirvane

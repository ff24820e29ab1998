#include <memory>

#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include "widgets/LazyExtensionIcons.h"
#include "widgets/LazyIcon.h"

namespace mirvane {
namespace {

QIcon SquareIcon(int& Made)
{
    ++Made;
    QPixmap Small(16, 16);
    Small.fill(Qt::red);
    QPixmap Large(32, 32);
    Large.fill(Qt::blue);
    QIcon Icon;
    Icon.addPixmap(Small);
    Icon.addPixmap(Large);
    return Icon;
}

TEST(LazyIcon, IsMadeOnceWhenFirstAskedForAnImageAndThenAnswersAsTheMadeIcon)
{
    int Made = 0;
    const QIcon Icon = LazyIcon([&Made] { return SquareIcon(Made); });
    const QIcon Copy = Icon;
    EXPECT_EQ(Made, 0);

    int Reference = 0;
    const QIcon Expected = SquareIcon(Reference);
    for (const int Size : {16, 32, 24}) {
        EXPECT_EQ(Copy.pixmap(Size).toImage(), Expected.pixmap(Size).toImage()) << Size;
        EXPECT_EQ(Icon.actualSize(QSize(Size, Size)), Expected.actualSize(QSize(Size, Size))) << Size;
    }
    EXPECT_EQ(Icon.availableSizes(), Expected.availableSizes());
    EXPECT_FALSE(Icon.isNull());
    EXPECT_EQ(Made, 1);
}

// The overflow arrows look as the desktop's style draws them, either way
// round, and are still drawn after that style has been replaced.
TEST(LazyExtensionIcons, DrawTheBaseStylesArrowsWhenShown)
{
    auto* Style = new TLazyExtensionIcons(QStringLiteral("Fusion"));
    std::unique_ptr<QStyle> Base(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget RightToLeft;
    RightToLeft.setLayoutDirection(Qt::RightToLeft);
    QStyleOption Reversed;
    Reversed.direction = Qt::RightToLeft;
    QIcon Shown[3];
    QIcon Expected[3];
    int Index = 0;
    for (const auto Which : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        Shown[Index] = Style->standardIcon(Which);
        Expected[Index++] = Base->standardIcon(Which);
    }
    Shown[2] = Style->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, nullptr, &RightToLeft);
    Expected[2] = Base->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, &Reversed);
    delete Style;
    for (int Each = 0; Each < 3; ++Each) {
        EXPECT_EQ(Shown[Each].pixmap(16).toImage(), Expected[Each].pixmap(16).toImage()) << Each;
    }
    EXPECT_NE(Expected[0].pixmap(16).toImage(), Expected[2].pixmap(16).toImage());
}

}  // namespace
}  // namespace mirvane

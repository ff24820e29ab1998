#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QFile>
#include <QTimer>

#include "app/AppIcon.h"
#include "app/Application.h"
#include "tests/ui/FormFixture.h"
#include "ui/AboutForm.h"
#include "tests/ui/FindControl.h"

namespace mirvane {
namespace {

TEST(AppIcon, HoldsEverySizeAWindowAsksFor)
{
    const QIcon Icon = AppIcon();
    ASSERT_FALSE(Icon.isNull());
    for (const int Size : {16, 24, 32, 48, 64, 128}) {
        EXPECT_TRUE(Icon.availableSizes().contains(QSize(Size, Size))) << Size;
        const QImage Image = Icon.pixmap(Size).toImage();
        ASSERT_EQ(Image.size(), QSize(Size, Size));
        // Drawn, not empty: the page's middle is opaque, the corners clear.
        EXPECT_EQ(qAlpha(Image.pixel(Size / 2, Size * 3 / 5)), 255) << Size;
        EXPECT_EQ(qAlpha(Image.pixel(0, 0)), 0) << Size;
    }
}

// The program sets its icon application-wide; every window made afterwards
// carries it.
class WindowIcon : public FormTest {
protected:
    WindowIcon() { QApplication::setWindowIcon(AppIcon()); }
    ~WindowIcon() override { QApplication::setWindowIcon(QIcon()); }
};

TEST_F(WindowIcon, TheMainWindowAndTheAboutDialogCarryIt)
{
    TForm1& F = Start();
    F.show();
    const QImage Expected = AppIcon().pixmap(32).toImage();
    EXPECT_EQ(F.windowIcon().pixmap(32).toImage(), Expected);
    bool Seen = false;
    QTimer::singleShot(0, [&] {
        auto* About = qobject_cast<TFormAbout*>(QApplication::activeModalWidget());
        Seen = About != nullptr;
        if (About != nullptr) {
            EXPECT_EQ(About->windowIcon().pixmap(32).toImage(), Expected);
            // and shows it beside its name.
            const QImage Shown = About->ProgramIcon->pixmap().toImage();
            EXPECT_GE(Shown.width(), 32);
            EXPECT_EQ(Shown, AppIcon().pixmap(Shown.width()).toImage());
            About->close();
        }
    });
    Find<QAction>(F, "MenuAbout")->trigger();
    EXPECT_TRUE(Seen);
}

// An image read without its format named makes the toolkit load every image
// format plugin installed to ask each one, milliseconds of the start before
// the first frame; neither the program's icon nor the window's own images
// may do that.
class DressedStart : public FormTest {
protected:
    ~DressedStart() override { QApplication::setWindowIcon(QIcon()); }
};

TEST_F(DressedStart, ShowsTheWindowWithoutLoadingAnImageFormatPlugin)
{
    DressApplication();
    TForm1& F = Start();
    F.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&F));
    ASSERT_FALSE(QApplication::windowIcon().isNull());
    QFile Maps(QStringLiteral("/proc/self/maps"));
    ASSERT_TRUE(Maps.open(QIODevice::ReadOnly));
    EXPECT_FALSE(Maps.readAll().contains("/imageformats/"));
}

}  // namespace
}  // namespace mirvane

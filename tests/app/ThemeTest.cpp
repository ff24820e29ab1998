#include <algorithm>
#include <cmath>
#include <functional>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "widgets/GridColours.h"
#include "grid/MirvaneGrid.h"
#include "tests/app/DarkPalette.h"
#include "tests/ui/FormFixture.h"
#include "ui/AboutForm.h"
#include "tests/ui/FindControl.h"

namespace mirvane {
namespace {

// Contrast ratio of two colours after WCAG 2: 1 for equal colours, 21 for
// black on white. Text wants at least 4.5, images at least 3.
double Luminance(const QColor& Colour)
{
    const auto Linear = [](int Channel) {
        const double Value = Channel / 255.0;
        return Value <= 0.03928 ? Value / 12.92 : std::pow((Value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * Linear(Colour.red()) + 0.7152 * Linear(Colour.green()) + 0.0722 * Linear(Colour.blue());
}

double Contrast(const QColor& One, const QColor& Other)
{
    const double Lighter = std::max(Luminance(One), Luminance(Other));
    const double Darker = std::min(Luminance(One), Luminance(Other));
    return (Lighter + 0.05) / (Darker + 0.05);
}

// What text and images need: WCAG's 4.5 and 3, or as much as the theme's
// own weakest pair of text and face colours gives, if that is less.
double LeastContrastOfTheTheme(const QPalette& Palette)
{
    const std::pair<QPalette::ColorRole, QPalette::ColorRole> Pairs[] = {
        {QPalette::WindowText, QPalette::Window},
        {QPalette::Text, QPalette::Base},
        {QPalette::ButtonText, QPalette::Button},
        {QPalette::HighlightedText, QPalette::Highlight},
    };
    double Least = 21;
    for (const auto& [Text, Face] : Pairs) {
        Least = std::min(Least, Contrast(Palette.color(Text), Palette.color(Face)));
    }
    return Least;
}

// The colours a control writes its text in and on.
std::pair<QColor, QColor> TextColours(const QWidget& Control)
{
    const QPalette& Palette = Control.palette();
    const auto* Combo = qobject_cast<const QComboBox*>(&Control);
    if (qobject_cast<const QLineEdit*>(&Control) != nullptr ||
        qobject_cast<const QPlainTextEdit*>(&Control) != nullptr || (Combo != nullptr && Combo->isEditable())) {
        return {Palette.color(QPalette::Text), Palette.color(QPalette::Base)};
    }
    if (qobject_cast<const QPushButton*>(&Control) != nullptr || Combo != nullptr) {
        return {Palette.color(QPalette::ButtonText), Palette.color(QPalette::Button)};
    }
    return {Palette.color(Control.foregroundRole()), Palette.color(Control.backgroundRole())};
}

bool ShowsText(const QWidget& Control)
{
    return qobject_cast<const QLabel*>(&Control) != nullptr || qobject_cast<const QAbstractButton*>(&Control) != nullptr ||
           qobject_cast<const QLineEdit*>(&Control) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(&Control) != nullptr ||
           qobject_cast<const QComboBox*>(&Control) != nullptr || qobject_cast<const QTabBar*>(&Control) != nullptr;
}

// The strongest contrast of the image's visible pixels against Face.
double ImageContrastOn(const QIcon& Icon, const QColor& Face)
{
    const QImage Image = Icon.pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32);
    double Best = 1;
    for (int Y = 0; Y < Image.height(); ++Y) {
        for (int X = 0; X < Image.width(); ++X) {
            const QRgb Pixel = Image.pixel(X, Y);
            if (qAlpha(Pixel) == 255) {
                Best = std::max(Best, Contrast(QColor(Pixel), Face));
            }
        }
    }
    return Best;
}

void ExpectReadable(QWidget& Window)
{
    const double TextContrast = std::min(4.5, LeastContrastOfTheTheme(QApplication::palette()));
    const double ImageContrast = std::min(3.0, TextContrast);
    for (QWidget* Control : Window.findChildren<QWidget*>()) {
        const std::string Name =
            Control->objectName().toStdString() + " (" + Control->metaObject()->className() + ")";
        // Text that cannot be used now may be faint.
        if (ShowsText(*Control) && Control->isEnabled()) {
            const auto [Text, Face] = TextColours(*Control);
            EXPECT_GE(Contrast(Text, Face), TextContrast) << Name << ": " << Text.name().toStdString() << " on "
                                                          << Face.name().toStdString();
        }
        if (const auto* Button = qobject_cast<QPushButton*>(Control); Button != nullptr && !Button->icon().isNull()) {
            EXPECT_GE(ImageContrastOn(Button->icon(), Button->palette().color(QPalette::Button)), ImageContrast)
                << Name;
        }
        if (const auto* Grid = qobject_cast<TMirvaneGrid*>(Control)) {
            const TGridColours Colours = GridColoursFrom(Grid->palette());
            EXPECT_GE(Contrast(Colours.FaceText, Colours.Face), TextContrast);
            EXPECT_GE(Contrast(Colours.WindowText, Colours.Window), TextContrast);
            EXPECT_GE(Contrast(Colours.HighlightText, Colours.Highlight), TextContrast);
        }
    }
}

struct TThemeCase {
    const char* Name;
    bool DarkAtStart;
    bool DarkLater;  // the desktop switches while the window is open
};

class Theme : public FormTest, public ::testing::WithParamInterface<TThemeCase> {
protected:
    // A palette that sets no colour hands the application back to the
    // style's own.
    ~Theme() override { QApplication::setPalette(QPalette()); }
};

TEST_P(Theme, EveryTextAndImageStaysReadable)
{
    if (GetParam().DarkAtStart) {
        QApplication::setPalette(DarkPalette());
    }
    TForm1& F = Start();
    MakeWorkingPages(F);
    Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(TForm1::RememberPage);  // made when first shown
    TFormAbout About(&F);
    if (GetParam().DarkLater) {
        QApplication::setPalette(DarkPalette());
        QApplication::processEvents();  // the windows take a new palette as an event
    }
    EXPECT_EQ(F.palette().color(QPalette::Window) == DarkPalette().color(QPalette::Window),
              GetParam().DarkAtStart || GetParam().DarkLater);
    ExpectReadable(F);
}

const TThemeCase ThemeCases[] = {
    {"Light", false, false},
    {"Dark", true, false},
    {"SwitchedToDark", false, true},
};

INSTANTIATE_TEST_SUITE_P(Palettes, Theme, ::testing::ValuesIn(ThemeCases),
                         [](const ::testing::TestParamInfo<TThemeCase>& Info) { return std::string(Info.param.Name); });

}  // namespace
}  // namespace mirvane

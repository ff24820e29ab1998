// The Location dialog: a place found by name as the user types, its
// candle-lighting custom, coordinates checked box by box, the question of
// the festival rules asked once, and a place list that cannot be read.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>

#include "tests/settings/ScopedVariable.h"
#include "tests/settings/TemporaryStore.h"
#include "tests/ui/BoxCapture.h"
#include "ui/LocationDialog.h"

namespace mirvane {
namespace {

void Find(TLocationDialog& Dialog, const char* Typed)
{
    Dialog.SearchBox->clear();
    QTest::keyClicks(Dialog.SearchBox, QString::fromUtf8(Typed));
    Dialog.FoundList->setCurrentRow(0);
}

TEST(LocationDialog, FindsByNameWithoutAccentsAndAsksOnceAboutTheIsraelRules)
{
    BoxCapture Boxes;
    SetQuestionAnswer(true);
    TLocationDialog Dialog(std::nullopt, true);
    Find(Dialog, "tromso");
    ASSERT_GT(Dialog.FoundList->count(), 0);
    EXPECT_EQ(Dialog.FoundList->item(0)->text(), QStringLiteral("Tromsø, Norway"));
    EXPECT_EQ(Dialog.ZoneBox->text(), QStringLiteral("Europe/Oslo"));
    EXPECT_EQ(Dialog.CandleBox->value(), 18);

    Find(Dialog, "jerusalem");
    EXPECT_EQ(Dialog.CandleBox->value(), 40);
    Find(Dialog, "haifa");
    EXPECT_EQ(Dialog.CandleBox->value(), 30);
    Dialog.HavdalahBox->setCurrentIndex(Dialog.HavdalahBox->findData(72));
    Dialog.accept();
    Dialog.accept();
    ASSERT_EQ(Boxes.Boxes.size(), 1U);
    EXPECT_EQ(Boxes.Boxes[0].first, TBoxKind::Question);
    EXPECT_EQ(Dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Dialog.DiasporaWish(), false);
    EXPECT_EQ(Dialog.Chosen(), (TLocation{"Haifa", "Israel", 32.81841, 34.9885, "Asia/Jerusalem", 30, 72, "חיפה", "IL"}));
    SetQuestionAnswer(false);
}

TEST(LocationDialog, EachWrongBoxIsNamedAndNothingIsAccepted)
{
    const struct {
        const char* Latitude;
        const char* Longitude;
        const char* Zone;
        const char* Named;
    } Cases[] = {{"91", "0", "Etc/UTC", "Latitude"},
                 {"40,7", "east", "Etc/UTC", "Longitude"},
                 {"40.7", "-74", "Mars/Olympus_Mons", "Time zone"},
                 {"nan", "0", "Etc/UTC", "Latitude"},
                 {"40.7", "-inf", "Etc/UTC", "Longitude"},
                 {"40.7", "-74", "localtime", "Time zone"}};
    for (const auto& Case : Cases) {
        BoxCapture Boxes;
        TLocationDialog Dialog(TLocation{}, true);
        Dialog.LatitudeBox->setText(QString::fromLatin1(Case.Latitude));
        Dialog.LongitudeBox->setText(QString::fromLatin1(Case.Longitude));
        Dialog.ZoneBox->setText(QString::fromLatin1(Case.Zone));
        Dialog.accept();
        ASSERT_EQ(Boxes.Boxes.size(), 1U) << Case.Named;
        EXPECT_TRUE(Boxes.Boxes[0].second.startsWith(QString::fromLatin1(Case.Named) + u':'))
            << Boxes.Boxes[0].second.toStdString();
        EXPECT_NE(Dialog.result(), QDialog::Accepted);
    }
}

TEST(LocationDialog, EnterTakesTheFirstPlaceFoundAndDownWalksIntoTheList)
{
    BoxCapture Boxes;
    TLocationDialog Dialog(std::nullopt, true);
    Dialog.SearchBox->clear();
    QTest::keyClicks(Dialog.SearchBox, QStringLiteral("jerusalem"));
    QTest::keyClick(Dialog.SearchBox, Qt::Key_Return);
    EXPECT_EQ(Dialog.FoundList->currentRow(), 0);
    EXPECT_EQ(Dialog.ZoneBox->text(), QStringLiteral("Asia/Jerusalem"));
    EXPECT_EQ(Dialog.CandleBox->value(), 40);
    EXPECT_NE(Dialog.result(), QDialog::Accepted);

    Dialog.SearchBox->clear();
    QTest::keyClicks(Dialog.SearchBox, QStringLiteral("paris"));
    QTest::keyClick(Dialog.SearchBox, Qt::Key_Down);
    EXPECT_EQ(Dialog.FoundList->currentRow(), 0);
    EXPECT_EQ(Dialog.ZoneBox->text(), QStringLiteral("Europe/Paris"));
    EXPECT_EQ(Dialog.CandleBox->value(), 18);

    QTest::keyClicks(Dialog.SearchBox, QStringLiteral("qqxq"));
    EXPECT_FALSE(Dialog.NothingFound->isHidden());
    EXPECT_TRUE(Boxes.Boxes.empty());
}

TEST(LocationDialog, TheMinutesFollowTheCoordinatesUntilSetByHandAndAreRefusedOutOfRange)
{
    BoxCapture Boxes;
    TLocationDialog Dialog(TLocation{}, true);
    const auto TypeCoordinates = [&Dialog](const char* Latitude, const char* Longitude) {
        Dialog.LatitudeBox->clear();
        QTest::keyClicks(Dialog.LatitudeBox, QString::fromLatin1(Latitude));
        Dialog.LongitudeBox->clear();
        QTest::keyClicks(Dialog.LongitudeBox, QString::fromLatin1(Longitude));
    };
    TypeCoordinates("31.7767", "35.2345");  // Jerusalem
    EXPECT_EQ(Dialog.CandleBox->value(), 40);
    TypeCoordinates("48.85341", "2.3488");  // Paris
    EXPECT_EQ(Dialog.CandleBox->value(), 18);

    Dialog.CandleBox->selectAll();
    QTest::keyClicks(Dialog.CandleBox, QStringLiteral("500"));
    EXPECT_EQ(Dialog.CandleBox->value(), 500);
    TypeCoordinates("31.7767", "35.2345");
    EXPECT_EQ(Dialog.CandleBox->value(), 500);  // set by hand, kept
    QTest::keyClicks(Dialog.ZoneBox, QStringLiteral("asia/JERUSALEM"));
    Dialog.accept();
    ASSERT_EQ(Boxes.Boxes.size(), 1U);
    EXPECT_TRUE(Boxes.Boxes[0].second.startsWith(QStringLiteral("Candle lighting:")));
    EXPECT_NE(Dialog.result(), QDialog::Accepted);
    Dialog.CandleBox->setValue(40);
    Dialog.accept();
    EXPECT_EQ(Dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Dialog.Chosen().TimeZone, "Asia/Jerusalem");
}

TEST(LocationDialog, ReopenedItShowsTheCurrentPlaceSelectedInItsList)
{
    const TLocation Haifa{"Haifa", "Israel", 32.81841, 34.9885, "Asia/Jerusalem", 30, 0};
    TLocationDialog Dialog(Haifa, false);
    ASSERT_GE(Dialog.FoundList->currentRow(), 0);
    EXPECT_EQ(Dialog.FoundList->currentItem()->text(), QStringLiteral("Haifa, Israel"));
    EXPECT_EQ(Dialog.CandleBox->value(), 30);
}

TEST(LocationDialog, WithoutThePlaceListCoordinatesStillWork)
{
    const TScopedVariable Missing("MIRVANE_PLACES", "/nonexistent/places.tsv");
    BoxCapture Boxes;
    TLocationDialog Dialog(std::nullopt, true);
    QTest::keyClicks(Dialog.SearchBox, QStringLiteral("london"));
    EXPECT_EQ(Dialog.FoundList->count(), 0);
    EXPECT_FALSE(Dialog.ListProblem->isHidden());
    EXPECT_TRUE(Dialog.ListProblem->text().contains(QStringLiteral("/nonexistent/places.tsv")));
    Dialog.LatitudeBox->setText(QStringLiteral("51.5"));
    Dialog.LongitudeBox->setText(QStringLiteral("-0.12"));
    Dialog.ZoneBox->setText(QStringLiteral("Europe/London"));
    Dialog.accept();
    EXPECT_EQ(Dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(Boxes.Boxes.empty());
    EXPECT_EQ(Dialog.Chosen().Name, "");
}

}  // namespace
}  // namespace mirvane

#pragma once

#include <memory>

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTabWidget>
#include <QTest>

#include "engine/JewishYear.h"
#include "tests/settings/TemporaryStore.h"
#include "tests/ui/BoxCapture.h"
#include "tests/ui/FindControl.h"
#include "widgets/MemoLines.h"
#include "ui/Mirvane.h"

namespace mirvane {

// A main window over a settings store in a temporary folder, with its boxes
// captured.
class FormTest : public ::testing::Test {
protected:
    ~FormTest() override { Form.reset(); }

    TForm1& Start()
    {
        Form = std::make_unique<TForm1>();
        return *Form;
    }
    // The window shown and active, for tests that type into it; false when
    // the platform would not activate it.
    static bool ShowActive(TForm1& Window)
    {
        Window.show();
        Window.activateWindow();
        return QTest::qWaitForWindowActive(&Window);
    }
    // The window shown on one of its pages.
    TForm1& StartShowing(int Page)
    {
        TForm1& F = Start();
        F.show();
        Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(Page);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&F));
        return F;
    }
    // The working pages are made when first shown or reached; this makes
    // them all, for tests that look their controls up by name.
    static void MakeWorkingPages(TForm1& F)
    {
        for (const int Page : {TForm1::BirthdaysPage, TForm1::FestivalsPage, TForm1::YearDetailsPage}) {
            F.Page(Page).Make();
        }
    }
    // Shut-down: FormDestroy runs with the window's destruction.
    void Close() { Form.reset(); }

    static QStringList Lines(const QLabel& Memo) { return MemoLines(Memo); }
    static QStringList Lines(const QPlainTextEdit& Memo) { return MemoLines(Memo); }

    // Replaces the text of a box the way a user does: select all, then type
    // the new text key by key, each key raising its change.
    static void Retype(QLineEdit& Box, const QString& Text)
    {
        Box.setFocus();
        Box.selectAll();
        if (Text.isEmpty()) {
            QTest::keyClick(&Box, Qt::Key_Delete);
        } else {
            QTest::keyClicks(&Box, Text);
        }
    }
    static void Retype(QLineEdit& Box, const char* Text) { Retype(Box, QString::fromUtf8(Text)); }
    static void Retype(QComboBox& Box, const char* Text) { Retype(*Box.lineEdit(), Text); }

    // Replaces the whole text at once, as pasting over a selection does: one
    // change, without the prefixes typing passes through.
    static void Paste(QLineEdit& Box, const char* Text)
    {
        Box.setFocus();
        Box.selectAll();
        Box.insert(QString::fromUtf8(Text));
    }

    // Opens the drop-down list and clicks the entry at Index.
    static void Pick(QComboBox& Box, int Index)
    {
        Box.showPopup();
        QAbstractItemView& List = *Box.view();
        const QModelIndex Entry = List.model()->index(Index, Box.modelColumn(), List.rootIndex());
        List.scrollTo(Entry);
        QTest::mouseClick(List.viewport(), Qt::LeftButton, {}, List.visualRect(Entry).center());
    }
    static void Pick(QComboBox& Box, const char* Text) { Pick(Box, Box.findText(QString::fromUtf8(Text))); }

    TemporaryStore Store;
    BoxCapture Captured;
    std::unique_ptr<TForm1> Form;
};

}  // namespace mirvane

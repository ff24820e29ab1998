#pragma once

#include <cstdint>
#include <string>

#include <QSize>
#include <QString>
#include <QWidget>

#include "engine/DateServices.h"
#include "pages/DateEntry.h"
#include "settings/Choices.h"
#include "ui/ExportList.h"
#include "widgets/FormScale.h"
#include "widgets/LazyPage.h"

namespace mirvane {

// What every page starts from: the window's scale, the locale's month names
// as the program found them, and this year, Gregorian and Jewish, as the
// window started (the year boxes start at them, however late a page is
// made).
struct TPageStart {
    TFormScale Scale;
    TLocaleMonthNames MonthNames;
    std::int32_t Year = 0;
    std::int32_t JewishYear = 0;
};

// A date as the pages' date boxes show it, in the order dates are typed:
// "11/12/2026".
QString DateBoxText(TGregorianDate Date, TDateOrder Order);

// One page of the main window. Its controls are made when it is first shown,
// or when the window first needs them; it follows the running choices, and
// offers the window its printout and, where it has one, its list for export.
class TWindowPage : public QWidget {
    Q_OBJECT

public:
    bool Made() const { return Controls.Made(); }
    void Make() { Controls.Make(); }
    // Makes the page as it is being shown, before the page control looks for
    // the control to give the focus to.
    void MakeWhenShown() { Controls.MakeWhenShown(); }

    // The page's caption on its tab and as the heading of its printout.
    virtual QString Title() const = 0;
    // The page on paper as rich text, without its heading.
    virtual QString PrintedHtml() const = 0;
    // What the page is asked, in a few words after its title in the name of
    // the printout ("Pessach day 1, 2026"); empty where the title says all.
    virtual QString PrintedQuestion() const { return {}; }
    // Whether "Export List..." applies to the page.
    virtual bool HasExportList() const { return false; }
    // The file "Export List..." writes for the page, exactly as the command
    // line writes the same request; empty with the reason in Problem when
    // there is nothing to export. Throws EExportFailure for a date a
    // calendar file cannot hold.
    virtual std::string ExportText(TExportFormat Format, const TExportDetails& Details, QString& Problem) const;
    // Asks the user what the page's export needs besides the file, in
    // Details; false when the user cancels. Most pages need nothing.
    virtual bool AskExportDetails(TExportDetails& /*Details*/) { return true; }

    // The running choices changed. A page not made yet only keeps them: it
    // is made following them.
    void FollowChoices(const TChoices& New);
    // The page's size in the window of its designed size, which is also its
    // smallest; the window tells it before the page is made.
    void SetDesignedSize(QSize Size) { Designed = Size; }

protected:
    TWindowPage(const char* Name, const TPageStart& Start, const TChoices& Choices, QWidget* Parent);

    // Makes the controls; runs once.
    virtual void Build() = 0;
    // On a made page, after Choices() became the new value.
    virtual void ChoicesChanged(const TChoices& Old) = 0;
    // Writes the page's texts, accessible names included, in the window's
    // language: once made, and again on every change of language.
    virtual void SetCaptions() = 0;
    void changeEvent(QEvent* Event) override;

    const TChoices& Choices() const { return Current; }
    QSize DesignedSize() const { return Designed; }

private:
    QWidget* Self = this;

protected:
    const TPageStart Start;
    // Read through the page's controls, which make the page when reached.
    TLazyPage Controls;

private:
    TChoices Current;
    QSize Designed;
};

}  // namespace mirvane

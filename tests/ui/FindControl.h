#pragma once

#include <QString>

#include "ui/Mirvane.h"
#include "ui/YearDetailsTab.h"

namespace mirvane {

// A control of the main window by its object name, as assistive tools find
// it. A control of a page not made yet is found once the pages are made in
// turn, as reaching it in the window makes its page.
template <typename TControl>
TControl* Find(const TForm1& Form, const char* Name)
{
    const QString Wanted = QString::fromLatin1(Name);
    auto* Found = Form.findChild<TControl*>(Wanted);
    for (int Index = 0; Found == nullptr && Index < TForm1::PageCount; ++Index) {
        if (!Form.Page(Index).Made()) {
            Form.Page(Index).Make();
            Found = Form.findChild<TControl*>(Wanted);
        }
    }
    return Found;
}

// The Year Details page, for the year it shows.
inline const TYearDetailsTab& YearDetailsOf(const TForm1& Form)
{
    return static_cast<const TYearDetailsTab&>(Form.Page(TForm1::YearDetailsPage));
}

}  // namespace mirvane

#include "ui/AboutForm.h"

#include <algorithm>

#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "ui/Controls.h"
#include "ui/Isolated.h"
#include "widgets/FormScale.h"
#include "widgets/PageGeometry.h"

namespace mirvane {

TFormAbout::TFormAbout(QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FormAbout"));
    setModal(true);
    const TFormScale Scale(font());

    ProgramIcon = MakeLabel(*this, "ProgramIcon", QString());
    ProgramIcon->setPixmap(windowIcon().pixmap(Scale.X(32)));
    ProgramIcon->setGeometry(Scale.X(8), Scale.Y(8), Scale.X(32), Scale.X(32));

    LabelAppName = MakeLabel(*this, "LabelAppName", QStringLiteral("Mirvane"));
    QFont NameFont(QStringLiteral("Arial"));
    NameFont.setPointSize(20);
    NameFont.setBold(true);
    LabelAppName->setFont(NameFont);
    LabelAppName->setBackgroundRole(QPalette::Button);
    LabelAppName->setAutoFillBackground(true);
    LabelAppName->setGeometry(Scale.X(48), Scale.Y(8), Scale.X(217),
                              std::max(Scale.Y(32), LabelAppName->sizeHint().height()));

    LabelVersion = MakeLabel(*this, "LabelVersion", QString());
    // The place list's licence asks for its source to be named.
    LabelPlaceData = MakeLabel(*this, "LabelPlaceData", QString());
    ButtonOk = MakeButton(*this, "ButtonOk", QString());
    SetCaptions();

    Scale.PlaceNatural(*LabelVersion, 48, 40 + (LabelAppName->height() - Scale.Y(32)));
    LabelPlaceData->setWordWrap(true);
    LabelPlaceData->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LabelPlaceData->setGeometry(Scale.X(8), Scale.Y(120), Scale.X(326), Scale.Y(60));

    ButtonOk->setDefault(true);
    Scale.Place(*ButtonOk, 256, 200, 73, 25);
    connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(Scale.X(342), Scale.Y(241));
    // Placed in pixels like the pages, so mirrored like them right to left.
    KeepDesignedPlaces(*this, size());
}

void TFormAbout::SetCaptions()
{
    setWindowTitle(tr("About Mirvane"));
    ProgramIcon->setAccessibleName(tr("Mirvane icon"));
    LabelVersion->setText(tr("Version %1").arg(QStringLiteral(MIRVANE_VERSION)));
    LabelVersion->adjustSize();
    LabelPlaceData->setText(tr("The place list is from %1 (%2), licensed under %3.")
                                .arg(Isolated(QStringLiteral("GeoNames")),
                                     Isolated(QStringLiteral("https://www.geonames.org/")),
                                     Isolated(QStringLiteral("CC BY 4.0"))));
    ButtonOk->setText(tr("Ok"));
}

void TFormAbout::changeEvent(QEvent* Event)
{
    if (Event->type() == QEvent::LanguageChange) {
        SetCaptions();
    }
    QDialog::changeEvent(Event);
}

}  // namespace mirvane

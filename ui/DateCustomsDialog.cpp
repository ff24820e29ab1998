#include "ui/DateCustomsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace mirvane {
namespace {

// A box whose items stand in the order of the custom's values.
QComboBox* ChoiceBox(QWidget& Parent, const char* Name, const QString& Accessible, const QStringList& Items,
                     int Current)
{
    auto* Box = new QComboBox(&Parent);
    Box->setObjectName(QString::fromLatin1(Name));
    Box->setAccessibleName(Accessible);
    Box->addItems(Items);
    Box->setCurrentIndex(Current);
    return Box;
}

}  // namespace

TDateCustomsDialog::TDateCustomsDialog(const TCustomsChoice& Current, QWidget* Parent) : QDialog(Parent)
{
    setObjectName(QStringLiteral("DateCustomsDialog"));
    setWindowTitle(tr("Customs of the date"));
    const QString Options = tr("As the program's options");
    AdarBox = ChoiceBox(*this, "ComboBoxAdar", tr("Adar in a leap year"),
                        {Options, tr("Adar I"), tr("Adar II"), tr("Both Adars")}, static_cast<int>(Current.Adar));
    ShortMonthBox = ChoiceBox(*this, "ComboBoxShortMonth", tr("30th of a short month"),
                              {Options, tr("The next day"), tr("The 29th"), tr("By the first anniversary")},
                              static_cast<int>(Current.ShortMonth));
    Adar1ThirtyBox = ChoiceBox(*this, "ComboBoxAdar1Thirty", tr("30 Adar I in a common year"),
                               {Options, tr("30 Shvat"), tr("1 Nissan")}, static_cast<int>(Current.Adar1Thirty));
    BurialBox = new QLineEdit(Current.BurialText, this);
    BurialBox->setObjectName(QStringLiteral("EditBurial"));
    BurialBox->setAccessibleName(tr("Date of burial"));

    auto* Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* Form = new QFormLayout(this);
    Form->addRow(tr("Adar in a leap year:"), AdarBox);
    Form->addRow(tr("30 Cheshvan or Kislev in a 29-day month:"), ShortMonthBox);
    Form->addRow(tr("30 Adar I in a common year:"), Adar1ThirtyBox);
    Form->addRow(tr("Date of burial (first yahrzeit):"), BurialBox);
    Form->addRow(Buttons);
}

TCustomsChoice TDateCustomsDialog::Chosen() const
{
    return {static_cast<TAdarCustom>(std::max(AdarBox->currentIndex(), 0)),
            static_cast<TShortMonthCustom>(std::max(ShortMonthBox->currentIndex(), 0)),
            static_cast<TAdar1ThirtyCustom>(std::max(Adar1ThirtyBox->currentIndex(), 0)), BurialBox->text()};
}

}  // namespace mirvane

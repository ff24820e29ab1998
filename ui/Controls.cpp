#include "ui/Controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <QTextOption>

#include "text/DecimalText.h"
#include "widgets/FollowPalette.h"
#include "widgets/MemoLines.h"
#include "widgets/OnEvent.h"
#include "widgets/UpDown.h"

namespace mirvane {
namespace {

template <typename TControl>
TControl* Make(QWidget& Page, const char* Name)
{
    auto* Control = new TControl(&Page);
    Control->setObjectName(QString::fromLatin1(Name));
    return Control;
}

QPlainTextEdit* MakeMemo(QWidget& Page, const char* Name)
{
    auto* Memo = Make<QPlainTextEdit>(Page, Name);
    Memo->setReadOnly(true);
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Unwrapped lines align to the longest of them, not to the memo's edge,
    // unless the memo's whole text takes the direction of its layout.
    const auto FollowDirection = [Memo] {
        QTextOption Option = Memo->document()->defaultTextOption();
        Option.setTextDirection(Memo->layoutDirection());
        Option.setAlignment((Memo->layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft) |
                            Qt::AlignAbsolute);
        Memo->document()->setDefaultTextOption(Option);
    };
    FollowDirection();
    OnEvent(*Memo, QEvent::LayoutDirectionChange, FollowDirection);
    Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return Memo;
}

}  // namespace

QLabel* MakeLabel(QWidget& Page, const char* Name, const QString& Caption)
{
    auto* Label = Make<QLabel>(Page, Name);
    Label->setText(Caption);
    return Label;
}

QPushButton* MakeButton(QWidget& Page, const char* Name, const QString& Caption)
{
    auto* Button = Make<QPushButton>(Page, Name);
    Button->setText(Caption);
    Button->setAutoDefault(false);
    return Button;
}

QCheckBox* MakeCheckBox(QWidget& Page, const char* Name, const QString& Caption)
{
    auto* Box = Make<QCheckBox>(Page, Name);
    Box->setText(Caption);
    return Box;
}

QRadioButton* MakeRadioButton(QWidget& Page, const char* Name, const QString& Caption)
{
    auto* Button = Make<QRadioButton>(Page, Name);
    Button->setText(Caption);
    return Button;
}

TUpDown* MakeUpDown(QWidget& Page, const char* Name, QLineEdit& Box, int Minimum, int Maximum, int Position)
{
    auto* UpDown = new TUpDown(Box, Minimum, Maximum, Position, ReadDecimal, &Page);
    UpDown->setObjectName(QString::fromLatin1(Name));
    return UpDown;
}

QLineEdit* MakeEdit(QWidget& Page, const char* Name, const QString& AccessibleName, const QString& Text)
{
    auto* Edit = Make<QLineEdit>(Page, Name);
    Edit->setAccessibleName(AccessibleName);
    Edit->setText(Text);
    return Edit;
}

QLineEdit* MakeOutput(QWidget& Page, const char* Name, const QString& AccessibleName, const QString& Text)
{
    auto* Edit = MakeEdit(Page, Name, AccessibleName, Text);
    Edit->setReadOnly(true);
    Edit->setFocusPolicy(Qt::ClickFocus);
    return Edit;
}

void ShowOnButtonFace(QLineEdit& Box)
{
    Box.setBackgroundRole(QPalette::Button);
    // A line edit paints its face in Base; the palette's button colours are
    // copied in, and copied again when the palette changes.
    FollowPalette(Box, [](QWidget& Widget) {
        QPalette Face = Widget.palette();
        if (Face.color(QPalette::Base) != Face.color(QPalette::Button) ||
            Face.color(QPalette::Text) != Face.color(QPalette::ButtonText)) {
            Face.setColor(QPalette::Base, Face.color(QPalette::Button));
            Face.setColor(QPalette::Text, Face.color(QPalette::ButtonText));
            Widget.setPalette(Face);
        }
    });
}

QLabel* MakeHintMemo(QWidget& Page, const char* Name, const QStringList& Lines, TMemoBackground Background)
{
    auto* Memo = Make<QLabel>(Page, Name);
    Memo->setTextFormat(Qt::PlainText);
    Memo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (Background == TMemoBackground::Window) {
        Memo->setBackgroundRole(QPalette::Base);
        Memo->setAutoFillBackground(true);
    }
    SetMemoLines(*Memo, Lines);
    return Memo;
}

QPlainTextEdit* MakeListMemo(QWidget& Page, const char* Name, const QString& AccessibleName)
{
    auto* Memo = MakeMemo(Page, Name);
    Memo->setAccessibleName(AccessibleName);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setFocusPolicy(Qt::ClickFocus);
    Memo->hide();
    return Memo;
}

}  // namespace mirvane

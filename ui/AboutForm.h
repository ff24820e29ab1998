#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace mirvane {

// The About dialog: the program's name and version, closed with Ok or the
// frame's close box. Fixed size, no minimise or maximise box; it follows
// the language while open.
class TFormAbout : public QDialog {
    Q_OBJECT

public:
    explicit TFormAbout(QWidget* Parent = nullptr);

    // The program's icon, as the application carries it.
    QLabel* ProgramIcon = nullptr;
    QLabel* LabelAppName = nullptr;
    QLabel* LabelVersion = nullptr;
    QLabel* LabelPlaceData = nullptr;
    QPushButton* ButtonOk = nullptr;

protected:
    void changeEvent(QEvent* Event) override;

private:
    void SetCaptions();
};

}  // namespace mirvane

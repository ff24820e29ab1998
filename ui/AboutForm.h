#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace mirvane {

// The About dialog: the program's name and version, closed with Ok or the
// frame's close box. Fixed size, no minimise or maximise box.
class TFormAbout : public QDialog {
    Q_OBJECT

public:
    explicit TFormAbout(QWidget* Parent = nullptr);

    // The program's icon, as the application carries it.
    QLabel* ProgramIcon = nullptr;
    QLabel* LabelAppName = nullptr;
    QLabel* LabelVersion = nullptr;
    QPushButton* ButtonOk = nullptr;
};

}  // namespace mirvane

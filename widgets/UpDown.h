#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include <QWidget>

class QLineEdit;
class QAbstractButton;

namespace mirvane {

// A small up/down control bound to an edit box. The box keeps accepting any
// text; the control steps the number in it between a minimum and a maximum,
// without wrapping. Setting the position writes the number into the box, so
// the box's change handling runs as for typed text.
class TUpDown : public QWidget {
    Q_OBJECT

public:
    // How the number in the box is read is the program's choice, so that a
    // step reads the box exactly as the box's own change handling does.
    using TNumberReader = std::function<std::optional<std::int32_t>(std::string_view Text)>;

    TUpDown(QLineEdit& Associate, std::int32_t Minimum, std::int32_t Maximum, std::int32_t Position,
            TNumberReader ReadNumber, QWidget* Parent);

    std::int32_t Min() const { return Minimum; }
    std::int32_t Max() const { return Maximum; }
    std::int32_t Position() const { return CurrentPosition; }

    // Names itself after its box, the box's name followed by " up/down":
    // made, and again once the box is named anew.
    void FollowBoxName();
    // Clamped to the range; always rewrites the box, which raises its change
    // event only when the text differs.
    void SetPosition(std::int32_t Value);
    // One step from the number in the box (from the position when the box
    // holds no number).
    void StepBy(std::int32_t Delta);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;

private:
    std::int32_t Clamped(std::int64_t Value) const;

    QLineEdit& Associate;
    TNumberReader ReadNumber;
    std::int32_t Minimum;
    std::int32_t Maximum;
    std::int32_t CurrentPosition;
    QAbstractButton* UpButton;
    QAbstractButton* DownButton;
};

}  // namespace mirvane

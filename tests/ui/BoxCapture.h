#pragma once

#include <utility>
#include <vector>

#include <QString>

#include "tests/ui/QStringPrinter.h"
#include "widgets/MessageBox.h"

namespace mirvane {

// Collects the boxes the program would show, instead of showing them, for
// the lifetime of the object.
class BoxCapture {
public:
    using TBox = std::pair<TBoxKind, QString>;

    BoxCapture()
        : Previous(SetMessageBoxFunction([this](TBoxKind Kind, const QString& Text) { Boxes.emplace_back(Kind, Text); }))
    {
    }
    ~BoxCapture() { SetMessageBoxFunction(std::move(Previous)); }
    BoxCapture(const BoxCapture&) = delete;
    BoxCapture& operator=(const BoxCapture&) = delete;

    std::vector<TBox> Boxes;

private:
    TMessageBoxFunction Previous;
};

}  // namespace mirvane

#pragma once

#include <chrono>
#include <vector>

#include "tests/hardening/HangWatch.h"
#include "tests/ui/FormFixture.h"

namespace mirvane {

// The window tests' fixture, with the boxes shown since the last look and a
// watch that ends the run if anything hangs.
class WindowTest : public FormTest {
protected:
    std::vector<BoxCapture::TBox> NewBoxes()
    {
        std::vector<BoxCapture::TBox> Boxes(Captured.Boxes.begin() + static_cast<std::ptrdiff_t>(Seen),
                                            Captured.Boxes.end());
        Seen = Captured.Boxes.size();
        return Boxes;
    }

    std::size_t Seen = 0;
    THangWatch Watch{std::chrono::seconds(60), "window test"};
};

}  // namespace mirvane

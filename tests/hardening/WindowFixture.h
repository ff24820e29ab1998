#pragma once

#include <chrono>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include <QString>

#include "engine/JewishYear.h"
#include "tests/hardening/HangWatch.h"
#include "tests/settings/TemporaryStore.h"
#include "tests/ui/BoxCapture.h"
#include "ui/Mirvane.h"

namespace mirvane {

// The main window over a settings store of its own, with every box it would
// show captured instead, and a watch that ends the run if anything hangs.
class WindowTest : public ::testing::Test {
protected:
    WindowTest() { Diaspora = true; }
    ~WindowTest() override
    {
        Form.reset();
        Diaspora = true;
    }

    TForm1& Start()
    {
        Form = std::make_unique<TForm1>();
        return *Form;
    }

    // The boxes shown since the last call.
    std::vector<BoxCapture::TBox> NewBoxes()
    {
        std::vector<BoxCapture::TBox> Boxes(Captured.Boxes.begin() + static_cast<std::ptrdiff_t>(Seen),
                                            Captured.Boxes.end());
        Seen = Captured.Boxes.size();
        return Boxes;
    }

    TemporaryStore Store;
    BoxCapture Captured;
    std::size_t Seen = 0;
    std::unique_ptr<TForm1> Form;
    THangWatch Watch{std::chrono::seconds(60), "window test"};
};

}  // namespace mirvane

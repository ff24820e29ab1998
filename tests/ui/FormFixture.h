#pragma once

#include <memory>

#include <gtest/gtest.h>

#include <QLabel>
#include <QStringList>

#include "engine/JewishYear.h"
#include "tests/settings/TemporaryStore.h"
#include "tests/ui/BoxCapture.h"
#include "ui/MemoLines.h"
#include "ui/Mirvane.h"

namespace mirvane {

// A main window over a settings store in a temporary folder, with its boxes
// captured. The engine's Diaspora flag is process-wide, so every test starts
// and ends with it at its start-up value.
class FormTest : public ::testing::Test {
protected:
    FormTest() { Diaspora = true; }
    ~FormTest() override
    {
        Form.reset();
        Diaspora = true;
    }

    TForm1& Start()
    {
        Form = std::make_unique<TForm1>();
        return *Form;
    }
    // Shut-down: FormDestroy runs with the window's destruction.
    void Close() { Form.reset(); }

    static QStringList Lines(const QLabel& Memo) { return MemoLines(Memo); }

    TemporaryStore Store;
    BoxCapture Captured;
    std::unique_ptr<TForm1> Form;
};

}  // namespace mirvane

// One QApplication for the whole test run, on the offscreen platform unless
// the run names another.

#include <memory>

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

namespace {

class QtTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        // The dates to remember go to a folder of the run, never to the
        // user's own list; a test that needs an empty list points
        // XDG_DATA_HOME at a folder of its own.
        qputenv("XDG_DATA_HOME", DataFolder.path().toLocal8Bit());
        Application = std::make_unique<QApplication>(Argc, Argv);
    }
    void TearDown() override { Application.reset(); }

private:
    int Argc = 1;
    char Name[9] = "ui_tests";
    char* Argv[2] = {Name, nullptr};
    QTemporaryDir DataFolder;
    std::unique_ptr<QApplication> Application;
};

// Registered before main runs; GoogleTest owns the object.
[[maybe_unused]] ::testing::Environment* const Registered =
    ::testing::AddGlobalTestEnvironment(new QtTestEnvironment);

}  // namespace

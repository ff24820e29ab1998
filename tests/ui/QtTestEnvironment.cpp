// One QApplication for the whole test run, on the offscreen platform unless
// the run names another.

#include <memory>

#include <gtest/gtest.h>

#include <QApplication>

namespace {

class QtTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        Application = std::make_unique<QApplication>(Argc, Argv);
    }
    void TearDown() override { Application.reset(); }

private:
    int Argc = 1;
    char Name[9] = "ui_tests";
    char* Argv[2] = {Name, nullptr};
    std::unique_ptr<QApplication> Application;
};

// Registered before main runs; GoogleTest owns the object.
[[maybe_unused]] ::testing::Environment* const Registered =
    ::testing::AddGlobalTestEnvironment(new QtTestEnvironment);

}  // namespace

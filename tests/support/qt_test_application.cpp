// One QApplication for every test of the binary, on the offscreen platform unless the caller
// chose another, with the program's font substitutions in place.
#include <memory>

#include <QApplication>

#include <gtest/gtest.h>

#include "qt/fonts.h"

namespace {

class QtApplicationEnvironment : public testing::Environment {
  public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        application_ = std::make_unique<QApplication>(argc_, argv_);
        tolvane::qt::InstallFontSubstitutions();
    }
    void TearDown() override { application_.reset(); }
    // Still set when a test ends the process from inside (exit runs this destructor): the test's
    // windows are still alive then, and the process takes the application with it.
    ~QtApplicationEnvironment() override { (void)application_.release(); }

  private:
    int argc_ = 1;
    char name_[16] = "tolvane_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] testing::Environment* const kEnvironment =
    testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace

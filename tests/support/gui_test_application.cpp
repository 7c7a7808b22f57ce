// One QGuiApplication for every test of the binary, so that image plugins and QIcon work;
// on the offscreen platform unless the caller chose another.
#include <memory>

#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

class GuiApplicationEnvironment : public testing::Environment {
  public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        application_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    void TearDown() override { application_.reset(); }

  private:
    int argc_ = 1;
    char name_[24] = "tolvane_resources_test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

[[maybe_unused]] testing::Environment* const kEnvironment =
    testing::AddGlobalTestEnvironment(new GuiApplicationEnvironment);

}  // namespace

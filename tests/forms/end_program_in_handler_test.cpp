#include <cstdio>
#include <cstdlib>

#include <QCoreApplication>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "forms/qt/form_window.h"
#include "forms/end_program.h"

namespace tolvane::qt {
namespace {

// Ending the program from inside a handler ends the process there: the rest of the handler never
// runs, nor does the code that delivered the event, and the exit status is 0 with windows open.
TEST(EndProgramInHandlerDeathTest, MouseHandlerEndsTheProcessAtOnce) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            FormWindow window("Tolvane", QSize(550, 289));
            window.OnMouseDown([](int, int, float, float) {
                forms::EndProgram();
                std::fputs("handler went on", stderr);
            });
            window.show();
            QCoreApplication::processEvents();
            QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
            std::fputs("event delivery went on", stderr);
            std::exit(3);
        },
        testing::ExitedWithCode(0), testing::Not(testing::HasSubstr("went on")));
}

}  // namespace
}  // namespace tolvane::qt

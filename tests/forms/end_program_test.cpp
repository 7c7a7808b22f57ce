#include "forms/end_program.h"
#include "program/themed_controls.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tolvane {
namespace {

TEST(ProgramTest, ThemedControlsReportSuccessAsTrue) {
    EXPECT_EQ(program::InitThemedControls(), -1);
}

TEST(ProgramTest, ReplacedEndingRunsInsteadOfExitAndIsRestored) {
    int outer_calls = 0;
    int inner_calls = 0;
    {
        const forms::ScopedEndProgramHandler outer([&] { ++outer_calls; });
        forms::EndProgram();
        {
            const forms::ScopedEndProgramHandler inner([&] { ++inner_calls; });
            forms::EndProgram();
            forms::EndProgram();
        }
        forms::EndProgram();
    }
    EXPECT_EQ(outer_calls, 2);
    EXPECT_EQ(inner_calls, 2);
}

TEST(ProgramDeathTest, DefaultEndingExitsAtOnceWithStatusZeroAfterFlushing) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // The death test's child runs this body again in a process of its own: the name must not
    // depend on the process.
    const auto path = std::filesystem::temp_directory_path() / "tolvane_end_program_flush.txt";
    std::filesystem::remove(path);
    EXPECT_EXIT(
        {
            std::FILE* file = std::fopen(path.c_str(), "w");
            std::fputs("written before the end", file);  // still in the stream's buffer
            forms::EndProgram();
            std::fputs("code after the end ran", stderr);
        },
        testing::ExitedWithCode(0), testing::Not(testing::HasSubstr("code after the end ran")));
    std::ifstream in(path);
    std::stringstream content;
    content << in.rdbuf();
    EXPECT_EQ(content.str(), "written before the end");
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace tolvane

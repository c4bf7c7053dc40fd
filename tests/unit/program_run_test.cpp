// Running another program, as parlune-import runs makensis: its output and
// its errors apart, its exit code, and the arguments as given.
#include <gtest/gtest.h>

#include "console.h"

namespace {

TEST(ProgramRun, OutputErrorsAndExitCodeComeBackApart) {
#ifdef _WIN32
    const std::string shell = console::FindProgramOnPath("cmd.exe");
    const std::vector<std::string> arguments = {"/c", "echo out& echo err 1>&2& exit 3"};
#else
    const std::string shell = console::FindProgramOnPath("sh");
    const std::vector<std::string> arguments = {"-c", "echo out; echo err >&2; exit 3"};
#endif
    ASSERT_FALSE(shell.empty());
    const console::ProgramRun run = console::RunProgram(shell, arguments);
    EXPECT_TRUE(run.started);
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.output.substr(0, 3), "out");
    EXPECT_EQ(run.errors.substr(0, 3), "err");

    EXPECT_EQ(console::FindProgramOnPath("no-such-program-anywhere"), "");
    EXPECT_FALSE(console::RunProgram("/no/such/program", {}).started);
}

}  // namespace

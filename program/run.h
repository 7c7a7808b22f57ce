#pragma once

#include <span>
#include <string_view>

#include "program/desktop.h"

namespace tolvane::program {

// The program's start on any desktop: reads the command line (the arguments after the program
// name), answers --help, --version and a refused line without a window, and otherwise makes the
// countdown window on the desktop's forms platform, runs its Load and shows it, or with
// --screenshot writes the settled window to the file instead. Returns the exit status (0, or
// one of command_line.h's). Messages go to standard error as one line each.
int Run(std::span<const std::string_view> args, Desktop& desktop);

}  // namespace tolvane::program

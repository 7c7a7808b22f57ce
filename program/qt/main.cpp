// The program on Qt Widgets: the shared start routine on the Qt desktop.

#include <string_view>
#include <vector>

#include "program/qt/qt_desktop.h"
#include "program/run.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    tolvane::qt::QtDesktop desktop(argv[0]);
    return tolvane::program::Run(args, desktop);
}

# Platform-level program helpers: ending the program and preparing themed controls. Plain C++:
# they need nothing of the toolkit and nothing above app/.
tolvane_library(tolvane_program SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/program.cpp
)

tolvane_test(tolvane_command_line_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/command_line_test.cpp
             DEPENDS tolvane_command_line)

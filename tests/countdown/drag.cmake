tolvane_test(tolvane_window_drag_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/window_drag_test.cpp
             DEPENDS tolvane_window_drag)

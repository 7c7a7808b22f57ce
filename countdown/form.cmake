# Dragging the window by its surface (no Qt).
tolvane_library(tolvane_window_drag SOURCES ${CMAKE_CURRENT_LIST_DIR}/window_drag.cpp
                DEPENDS tolvane_runtime)

# The countdown window over the Qt forms layer.
tolvane_library(tolvane_form1 QT SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/form1.cpp
    DEPENDS tolvane_countdown_model tolvane_window_drag tolvane_forms tolvane_program
            tolvane_resources tolvane_runtime tolvane_stylerbutton_host
)

# The toolkit-free countdown: clock in; label texts, colours, Timer2 and effects out.
tolvane_library(tolvane_countdown_model SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/countdown_model.cpp
    DEPENDS tolvane_runtime
)

# Tests of the StylerButton control without its painters.
tolvane_test(tolvane_stylerbutton_control_test
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/button_input_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/button_persistence_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/button_properties_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/hover_poll_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/memory_property_store_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/picture_holder_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/property_value_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/redraw_test.cpp
    DEPENDS tolvane_stylerbutton
)

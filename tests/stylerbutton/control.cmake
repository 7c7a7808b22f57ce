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

# Tests of the painters: theme looks, caption, icon, and hostile values.
tolvane_test(tolvane_stylerbutton_painter_test
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/caption_painter_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/hostile_values_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/icon_painter_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/theme_painter_test.cpp
    DEPENDS tolvane_stylerbutton
)

# The StylerButton control: properties, persistence, container interface, picture holders, input,
# hover poll and the repaint with its theme, caption and icon painters. Toolkit-free.
set(TOLVANE_STYLERBUTTON_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/button_input.cpp
    ${CMAKE_CURRENT_LIST_DIR}/button_lifecycle.cpp
    ${CMAKE_CURRENT_LIST_DIR}/caption_painter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/draw_gradient_four_colour.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hover_poll.cpp
    ${CMAKE_CURRENT_LIST_DIR}/icon_painter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/memory_property_store.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture_holder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/property_store.cpp
    ${CMAKE_CURRENT_LIST_DIR}/property_table.cpp
    ${CMAKE_CURRENT_LIST_DIR}/property_value.cpp
    ${CMAKE_CURRENT_LIST_DIR}/redraw.cpp
    ${CMAKE_CURRENT_LIST_DIR}/styler_button.cpp
    ${CMAKE_CURRENT_LIST_DIR}/theme_blue_glass.cpp
    ${CMAKE_CURRENT_LIST_DIR}/theme_dark_gloss.cpp
    ${CMAKE_CURRENT_LIST_DIR}/theme_painter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/theme_silver.cpp
)
tolvane_library(tolvane_stylerbutton SOURCES ${TOLVANE_STYLERBUTTON_SOURCES}
    DEPENDS tolvane_stylerbutton_primitives tolvane_gdi tolvane_runtime)

# The button's drawing primitives on tiny surfaces.
tolvane_test(tolvane_stylerbutton_primitives_test SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/primitives_test.cpp
    DEPENDS tolvane_stylerbutton_primitives
)

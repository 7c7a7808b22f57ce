# The Qt widget that hosts a StylerButton, the Qt input codes it translates to, and the property
# store kept in a window's stored design. The only part of the control that uses Qt.
tolvane_library(tolvane_stylerbutton_host QT SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/design_property_store.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt_input_codes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/styler_button_widget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/surface_image.cpp
    DEPENDS tolvane_stylerbutton tolvane_forms tolvane_gdi
)

# Tests of the button's Qt host: the widget, its input codes and the design property store.
tolvane_test(tolvane_stylerbutton_host_test QT
    SOURCES
        ${PROJECT_SOURCE_DIR}/tests/app/forms/qt_test_application.cpp
        ${CMAKE_CURRENT_LIST_DIR}/design_property_store_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/qt_input_codes_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/styler_button_widget_test.cpp
    DEPENDS tolvane_stylerbutton_host tolvane_resources
)

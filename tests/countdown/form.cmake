# The countdown window with its labels, timers and close button, on the offscreen platform.
tolvane_test(tolvane_form1_test QT
    SOURCES
        ${PROJECT_SOURCE_DIR}/tests/app/forms/qt_test_application.cpp
        ${CMAKE_CURRENT_LIST_DIR}/form1_test.cpp
    DEPENDS tolvane_form1
)

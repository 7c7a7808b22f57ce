tolvane_test(tolvane_countdown_model_test SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/countdown_model_test.cpp
    DEPENDS tolvane_countdown_model
)

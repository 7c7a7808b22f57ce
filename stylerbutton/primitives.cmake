# The drawing primitives of the StylerButton: colour channels, gradients, focus dots. Toolkit-free.
tolvane_library(tolvane_stylerbutton_primitives SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/primitives.cpp
    DEPENDS tolvane_gdi tolvane_runtime
)

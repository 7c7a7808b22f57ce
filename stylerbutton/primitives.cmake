# The drawing primitives of the StylerButton: colour channels, gradients, focus dots. Toolkit-free.
tolvane_library(tolvane_stylerbutton_primitives SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/primitives.cpp
    DEPENDS tolvane_gdi tolvane_runtime
)
# The four-corner gradient's per-pixel loops are written for the vectoriser; let it cost them as
# at -O3 in every build type, not only in Release.
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/primitives.cpp
    PROPERTIES COMPILE_OPTIONS -fvect-cost-model=dynamic)

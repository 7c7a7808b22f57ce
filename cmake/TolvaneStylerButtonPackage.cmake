# The StylerButton as an installed library with a CMake package, TolvaneStylerButton:
#
#   find_package(TolvaneStylerButton CONFIG REQUIRED)
#   target_link_libraries(app PRIVATE Tolvane::StylerButton)
#
# Tolvane::StylerButton is the widget (StylerButtonUiWidget and its host StylerButtonWidget);
# it brings the static libraries it is made of, each exported as Tolvane::<name>. The same name
# is an alias inside this build. Headers go to <includedir>/tolvane/ with the paths they are
# included by here ("stylerbutton/core/styler_button.h", "gdi/surface.h").
#
# Everything is in the install component stylerbutton-dev (the Designer plugin has its own,
# stylerbutton-designer); a plain `cmake --install` installs every component.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(TOLVANE_STYLERBUTTON_INCLUDEDIR "${CMAKE_INSTALL_INCLUDEDIR}/tolvane")
set(TOLVANE_STYLERBUTTON_CMAKEDIR "${CMAKE_INSTALL_LIBDIR}/cmake/TolvaneStylerButton")

# Each library of the widget, its exported name and the folder of its headers.
set(tolvane_stylerbutton_libraries
    tolvane_stylerbutton_ui         StylerButton           stylerbutton/ui
    tolvane_stylerbutton_qt         StylerButtonQt         stylerbutton/qt
    tolvane_stylerbutton            StylerButtonCore       stylerbutton/core
    tolvane_stylerbutton_primitives StylerButtonPrimitives stylerbutton/core
    tolvane_qt                      Qt                     qt
    tolvane_gdi                     Gdi                    gdi
    tolvane_base                    Base                   base
)

add_library(Tolvane::StylerButton ALIAS tolvane_stylerbutton_ui)

set(targets "")
set(header_folders "")
while(tolvane_stylerbutton_libraries)
    list(POP_FRONT tolvane_stylerbutton_libraries target export_name folder)
    # Position-independent, so that the libraries can go into shared objects: our Designer
    # plugin and any plugin or shared library of a program that uses the button.
    set_target_properties(${target} PROPERTIES EXPORT_NAME ${export_name}
                                               POSITION_INDEPENDENT_CODE ON)
    # The headers are C++20; a program that includes them is compiled as C++20 at least.
    target_compile_features(${target} PUBLIC cxx_std_20)
    list(APPEND targets ${target})
    list(APPEND header_folders ${folder})
endwhile()
list(REMOVE_DUPLICATES header_folders)

install(TARGETS ${targets} EXPORT TolvaneStylerButtonTargets
    ARCHIVE DESTINATION "${CMAKE_INSTALL_LIBDIR}" COMPONENT stylerbutton-dev
    INCLUDES DESTINATION "${TOLVANE_STYLERBUTTON_INCLUDEDIR}"
)
foreach(folder IN LISTS header_folders)
    install(DIRECTORY "${PROJECT_SOURCE_DIR}/${folder}/"
        DESTINATION "${TOLVANE_STYLERBUTTON_INCLUDEDIR}/${folder}"
        COMPONENT stylerbutton-dev
        FILES_MATCHING PATTERN "*.h"
    )
endforeach()

install(EXPORT TolvaneStylerButtonTargets
    NAMESPACE Tolvane::
    DESTINATION "${TOLVANE_STYLERBUTTON_CMAKEDIR}"
    COMPONENT stylerbutton-dev
)

configure_package_config_file(
    "${CMAKE_CURRENT_LIST_DIR}/TolvaneStylerButtonConfig.cmake.in"
    "${PROJECT_BINARY_DIR}/TolvaneStylerButtonConfig.cmake"
    INSTALL_DESTINATION "${TOLVANE_STYLERBUTTON_CMAKEDIR}"
)
write_basic_package_version_file(
    "${PROJECT_BINARY_DIR}/TolvaneStylerButtonConfigVersion.cmake"
    VERSION ${PROJECT_VERSION}
    COMPATIBILITY SameMajorVersion
)
install(FILES
    "${PROJECT_BINARY_DIR}/TolvaneStylerButtonConfig.cmake"
    "${PROJECT_BINARY_DIR}/TolvaneStylerButtonConfigVersion.cmake"
    DESTINATION "${TOLVANE_STYLERBUTTON_CMAKEDIR}"
    COMPONENT stylerbutton-dev
)

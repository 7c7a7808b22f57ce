# The StylerButton's QML module, installed with the component Quick of the CMake package
# TolvaneStylerButton (TolvaneStylerButtonPackage.cmake):
#
#   find_package(TolvaneStylerButton CONFIG REQUIRED COMPONENTS Quick)
#   target_link_libraries(app PRIVATE Tolvane::StylerButtonQuick)
#
# Everything is in the install component stylerbutton-qml: the shared library with the item
# (<libdir>), its headers (<includedir>/tolvane/stylerbutton/quick; they include the widget
# package's core headers), the module Tolvane.StylerButton under Qt's QML folder (qmldir, type
# description and the plugin the engine loads, ${QT6_INSTALL_QML}/Tolvane/StylerButton) and the
# package's TolvaneStylerButtonQuickTargets.cmake.
include(GNUInstallDirs)

if(DEFINED QT6_INSTALL_QML)
    set(tolvane_qml_install_dir "${QT6_INSTALL_QML}/Tolvane/StylerButton")
else()
    set(tolvane_qml_install_dir "${CMAKE_INSTALL_LIBDIR}/qt6/qml/Tolvane/StylerButton")
endif()

# The plugin finds the library in <libdir> from wherever the prefix is.
file(RELATIVE_PATH tolvane_qml_to_libdir "/${tolvane_qml_install_dir}" "/${CMAKE_INSTALL_LIBDIR}")
set_target_properties(tolvane_stylerbutton_quickplugin PROPERTIES
    INSTALL_RPATH "$ORIGIN/${tolvane_qml_to_libdir}")

install(TARGETS tolvane_stylerbutton_quick EXPORT TolvaneStylerButtonQuickTargets
    LIBRARY DESTINATION "${CMAKE_INSTALL_LIBDIR}" COMPONENT stylerbutton-qml
        NAMELINK_COMPONENT stylerbutton-qml
    INCLUDES DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/tolvane"
)
install(DIRECTORY "${PROJECT_SOURCE_DIR}/stylerbutton/quick/"
    DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/tolvane/stylerbutton/quick"
    COMPONENT stylerbutton-qml
    FILES_MATCHING PATTERN "*.h"
)
install(TARGETS tolvane_stylerbutton_quickplugin
    LIBRARY DESTINATION "${tolvane_qml_install_dir}" COMPONENT stylerbutton-qml
)
install(FILES "${TOLVANE_QML_MODULE_DIR}/qmldir"
              "${TOLVANE_QML_MODULE_DIR}/tolvane_stylerbutton_quick.qmltypes"
    DESTINATION "${tolvane_qml_install_dir}"
    COMPONENT stylerbutton-qml
)
install(EXPORT TolvaneStylerButtonQuickTargets
    NAMESPACE Tolvane::
    DESTINATION "${CMAKE_INSTALL_LIBDIR}/cmake/TolvaneStylerButton"
    COMPONENT stylerbutton-qml
)

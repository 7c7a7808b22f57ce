# The Debian package: `cpack -G DEB` in the build folder turns the install rules into
# tolvane_<version>_<arch>.deb, with the binary stripped and the library dependencies found by
# dpkg-shlibdeps (dpkg-dev).

# What the window needs at run time that no ELF dependency shows: the fonts of its Chinese and
# Latin texts and the Chinese translation of Qt's message box buttons.
set(tolvane_runtime_packages fonts-arphic-uming fonts-liberation fonts-dejavu-core
                             qt6-translations-l10n)

# Qt loads its platform plugins (xcb on a desktop, offscreen for --screenshot) and the JPEG
# plugin for the background at run time, so dpkg-shlibdeps cannot see them either. Ask dpkg which
# packages hold them, and name those that are not already the package of a Qt library the program
# links to (on Debian 12 the plugins ship in libqt6gui6 itself).
find_program(TOLVANE_DPKG dpkg)
function(tolvane_owning_package file out_var)
    set(${out_var} "" PARENT_SCOPE)
    if(TOLVANE_DPKG)
        execute_process(COMMAND ${TOLVANE_DPKG} -S ${file}
                        OUTPUT_VARIABLE owner RESULT_VARIABLE result ERROR_QUIET)
        if(result EQUAL 0 AND owner MATCHES "^([^:,]+)")
            set(${out_var} ${CMAKE_MATCH_1} PARENT_SCOPE)
        endif()
    endif()
endfunction()
set(tolvane_linked_packages "")
foreach(library Qt6::Core Qt6::Gui Qt6::Widgets)
    get_target_property(file ${library} LOCATION)
    tolvane_owning_package(${file} package)
    list(APPEND tolvane_linked_packages ${package})
endforeach()
set(tolvane_qt_plugins ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS})
foreach(plugin platforms/libqxcb.so platforms/libqoffscreen.so imageformats/libqjpeg.so)
    tolvane_owning_package(${tolvane_qt_plugins}/${plugin} package)
    if(NOT package)
        message(STATUS "Debian package: no installed package holds the Qt plugin "
                       "${tolvane_qt_plugins}/${plugin}; the package will not depend on it")
    elseif(NOT package IN_LIST tolvane_linked_packages)
        list(APPEND tolvane_runtime_packages ${package})
    endif()
endforeach()
list(REMOVE_DUPLICATES tolvane_runtime_packages)
list(JOIN tolvane_runtime_packages ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Wayland platform plugin, so that the window runs natively on a Wayland desktop; without it
# Qt runs it through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)

set(CPACK_GENERATOR DEB)
# The program alone: the developer files and the Designer plugin are no part of it.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};tolvane;/")
set(CPACK_PACKAGE_NAME tolvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tolvane developers")
set(CPACK_PACKAGE_CONTACT ${TOLVANE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TOLVANE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TOLVANE_HOMEPAGE})
# The first line is the synopsis; CPack indents the rest and writes blank lines as " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[countdown to the end of Windows XP support
Tolvane counts down, in Simplified Chinese, to the end of 7 April 2014, the
day extended support for Windows XP ended. Its small window shows the days
left in large digits, the time left today and today's date over a night
landscape; the texts turn green, yellow and red as fewer than 365, 100 and
30 days remain.

The target day has passed, so on the real clock the program only shows its
closing message: give it a clock with --clock to watch the countdown as it
ran, or save a picture of the window with --screenshot.]=])

include(CPack)

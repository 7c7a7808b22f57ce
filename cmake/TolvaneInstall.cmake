# What cmake --install puts on a machine, under the GNU directory layout: the program, its desktop
# entry, the icon in the hicolor theme, the AppStream metadata, the manual page and, under the
# documentation folder, the copyright and the changelog the Debian package needs. The package
# rules follow at the end (TolvanePackage.cmake).
include(GNUInstallDirs)

set(TOLVANE_HOMEPAGE "https://tolvane.org/" CACHE STRING
    "Home page of the project, ending in /; the screenshots are expected under screenshots/ there")
if(NOT TOLVANE_HOMEPAGE MATCHES "^https?://.+/$")
    message(FATAL_ERROR "TOLVANE_HOMEPAGE must be an http(s) URL ending in /, got \"${TOLVANE_HOMEPAGE}\"")
endif()
if(NOT TOLVANE_RELEASE_DATE MATCHES "^[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$")
    message(FATAL_ERROR "TOLVANE_RELEASE_DATE must read YYYY-MM-DD, got \"${TOLVANE_RELEASE_DATE}\"")
endif()

# The program's files form the install component "tolvane", the one the Debian package holds; the
# StylerButton's developer files and Designer plugin have components of their own.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME tolvane)

set(TOLVANE_APP_ID org.tolvane.Tolvane)
set(TOLVANE_MAINTAINER "The Tolvane developers <developers@tolvane.org>")
set(TOLVANE_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/tolvane)
set(tolvane_linux_source ${PROJECT_SOURCE_DIR}/resources/linux)
set(tolvane_linux_build ${PROJECT_BINARY_DIR}/resources/linux)

# Debian wants 0755 folders whatever the umask of whoever installs or packages.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The changelog's trailer wants the date as RFC 2822 ("Mon, 07 Dec 2026 00:00:00 +0000").
execute_process(COMMAND date -u -R -d "${TOLVANE_RELEASE_DATE} 00:00:00 UTC"
                OUTPUT_VARIABLE TOLVANE_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE tolvane_date_result)
if(NOT tolvane_date_result EQUAL 0)
    message(FATAL_ERROR "TOLVANE_RELEASE_DATE is no date: \"${TOLVANE_RELEASE_DATE}\"")
endif()

# The copyright holder and the licence text come from LICENSE, written into the machine-readable
# copyright file as its format wants: each line indented, blank lines as " .".
set(tolvane_license_file ${PROJECT_SOURCE_DIR}/LICENSE)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${tolvane_license_file})
file(READ ${tolvane_license_file} tolvane_license)
string(FIND "${tolvane_license}" "Permission is hereby granted" tolvane_license_start)
if(NOT tolvane_license MATCHES "Copyright ([^\n]+)" OR tolvane_license_start EQUAL -1)
    message(FATAL_ERROR "${tolvane_license_file}: expected the MIT licence with a Copyright line")
endif()
set(TOLVANE_COPYRIGHT "${CMAKE_MATCH_1}")
string(SUBSTRING "${tolvane_license}" ${tolvane_license_start} -1 tolvane_license)

# A licence text as the copyright file's format wants it: each line indented, blank lines " .".
function(tolvane_copyright_text text out)
    string(STRIP "${text}" text)
    string(REPLACE "\n\n" "\n.\n" text "${text}")
    string(REPLACE "\n" "\n " text "${text}")
    set(${out} " ${text}" PARENT_SCOPE)
endfunction()
tolvane_copyright_text("${tolvane_license}" TOLVANE_LICENSE_TEXT)
# The embedded copy of the CJK face keeps its own licence.
set(tolvane_font_license_file ${PROJECT_SOURCE_DIR}/resources/fonts/ARPHICPL.TXT)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${tolvane_font_license_file})
file(READ ${tolvane_font_license_file} tolvane_font_license)
tolvane_copyright_text("${tolvane_font_license}" TOLVANE_FONT_LICENSE_TEXT)

configure_file(${tolvane_linux_source}/${TOLVANE_APP_ID}.metainfo.xml.in
               ${tolvane_linux_build}/${TOLVANE_APP_ID}.metainfo.xml @ONLY)
configure_file(${tolvane_linux_source}/tolvane.1.in ${tolvane_linux_build}/tolvane.1 @ONLY)
configure_file(${tolvane_linux_source}/copyright.in ${tolvane_linux_build}/copyright @ONLY)
# Only the newest entry of the changelog takes the version and the date from project() and
# TOLVANE_RELEASE_DATE; when the version moves on, keep the old entries below it by hand.
configure_file(${tolvane_linux_source}/changelog.in ${tolvane_linux_build}/changelog @ONLY)

# Debian installs manual pages and changelogs compressed with gzip -9n (no name, no time stamp,
# so the same sources give the same bytes).
find_program(TOLVANE_GZIP gzip REQUIRED)
set(tolvane_compressed "")
foreach(name tolvane.1 changelog)
    add_custom_command(OUTPUT ${tolvane_linux_build}/${name}.gz
        COMMAND ${TOLVANE_GZIP} -9nkf ${name}
        DEPENDS ${tolvane_linux_build}/${name}
        WORKING_DIRECTORY ${tolvane_linux_build}
        COMMENT "Compressing ${name}"
        VERBATIM)
    list(APPEND tolvane_compressed ${tolvane_linux_build}/${name}.gz)
endforeach()
add_custom_target(tolvane_compressed_docs ALL DEPENDS ${tolvane_compressed})

install(TARGETS tolvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${tolvane_linux_source}/${TOLVANE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${tolvane_linux_build}/${TOLVANE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES ${tolvane_linux_build}/tolvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${tolvane_linux_build}/copyright ${tolvane_linux_build}/changelog.gz
        DESTINATION ${TOLVANE_INSTALL_DOCDIR})

# Every icon size that make_icon.py writes goes to the hicolor theme under the application id.
file(GLOB tolvane_icons CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/icons/tolvane-*.png)
if(NOT tolvane_icons)
    message(FATAL_ERROR "No icons in ${PROJECT_SOURCE_DIR}/resources/icons")
endif()
foreach(icon IN LISTS tolvane_icons)
    if(NOT icon MATCHES "tolvane-([0-9]+)\\.png$")
        message(FATAL_ERROR "${icon}: expected resources/icons/tolvane-<size>.png")
    endif()
    install(FILES ${icon}
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${CMAKE_MATCH_1}x${CMAKE_MATCH_1}/apps
            RENAME ${TOLVANE_APP_ID}.png)
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/TolvanePackage.cmake)

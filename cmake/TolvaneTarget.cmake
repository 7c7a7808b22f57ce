# Compile options shared by every target of our own code: C++20, strict warnings (errors only
# with TOLVANE_WERROR, which the test command's builds turn on: a newer compiler's new warning
# must not break a user's or a packager's build), the sanitizers when TOLVANE_SANITIZE is on, and
# libFuzzer's coverage when TOLVANE_FUZZ is on.
# The compile options are the C++ compiler's: a Windows resource script of the target goes to the
# resource compiler without them.
function(tolvane_target_options target)
    target_compile_options(${target} PRIVATE "$<$<COMPILE_LANGUAGE:CXX>:-Wall;-Wextra;-Wpedantic>")
    if(TOLVANE_WERROR)
        target_compile_options(${target} PRIVATE "$<$<COMPILE_LANGUAGE:CXX>:-Werror>")
    endif()
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>)
    if(TOLVANE_SANITIZE)
        target_compile_options(${target} PRIVATE -fsanitize=address,undefined
                                                 -fno-sanitize-recover=undefined
                                                 -fno-omit-frame-pointer)
        target_link_options(${target} PUBLIC -fsanitize=address,undefined)
        if(TOLVANE_FUZZ)
            target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
        endif()
    else()
        # Hardened as Debian's dpkg-buildflags would: a stack protector, fortified libc calls
        # (they need optimisation, so not in Debug builds), and relocations bound at start and
        # then made read-only.
        target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-fstack-protector-strong>)
        target_compile_definitions(${target} PRIVATE
                                   $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
        if(WIN32)
            # MinGW keeps the stack protector and the fortified calls in libssp, which the
            # driver links only when the flag is given at link time too. relro and now are ELF
            # options; the PE linker already marks executables for address-space randomisation
            # and non-executable data.
            target_link_options(${target} PUBLIC -fstack-protector-strong)
        else()
            target_link_options(${target} PRIVATE "LINKER:-z,relro,-z,now")
        endif()
    endif()
endfunction()

# A library of our own: tolvane_library(name SOURCES ... [QT | QT_GUI])
# QT links Qt Widgets, QT_GUI only Qt Core and Gui (for pieces a Qt Quick program shares).
# Toolkit-free libraries pass neither; the build then keeps Qt headers out of reach.
function(tolvane_library name)
    cmake_parse_arguments(ARG "QT;QT_GUI" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    tolvane_target_options(${name})
    if(ARG_DEPENDS)
        target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    endif()
    if(ARG_QT OR ARG_QT_GUI)
        set_target_properties(${name} PROPERTIES AUTOMOC ON)
        target_link_libraries(${name} PUBLIC Qt6::Core Qt6::Gui)
    endif()
    if(ARG_QT)
        target_link_libraries(${name} PUBLIC Qt6::Widgets)
    endif()
endfunction()

# A GoogleTest binary registered with CTest: tolvane_test(name SOURCES ... DEPENDS ... [QT])
# QT tests run on the offscreen platform so they need no display.
function(tolvane_test name)
    cmake_parse_arguments(ARG "QT" "" "SOURCES;DEPENDS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    tolvane_target_options(${name})
    target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gmock GTest::gtest_main)
    if(ARG_QT)
        set_target_properties(${name} PROPERTIES AUTOMOC ON)
        target_link_libraries(${name} PRIVATE Qt6::Test Qt6::Widgets)
        gtest_discover_tests(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
                             DISCOVERY_TIMEOUT 60)
    else()
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
    endif()
endfunction()

# SPDX-License-Identifier: GPL-3.0-or-later
# velder_library(NAME DEPS...): one static library per source folder, from every
# .cpp in it, exported as velder::NAME. Sources are globbed so that a new file
# needs no CMake edit.
function(velder_library name)
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB _hdr CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT _src)
    add_library(velder_${name} INTERFACE)
    target_include_directories(velder_${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(velder_${name} INTERFACE velder_options ${ARGN})
  else()
    add_library(velder_${name} STATIC ${_src} ${_hdr})
    target_include_directories(velder_${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(velder_${name} PUBLIC velder_options ${ARGN})
  endif()
  add_library(velder::${name} ALIAS velder_${name})
endfunction()

# velder_test(NAME DEPS...): one GoogleTest program from every .cpp in the folder.
function(velder_test name)
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT _src)
    return()
  endif()
  add_executable(${name}_tests ${_src})
  target_link_libraries(${name}_tests PRIVATE ${ARGN} GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name}_tests PRIVATE
    VELDER_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
    VELDER_CLI="$<TARGET_FILE:velder-cli>")
  gtest_discover_tests(${name}_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# velder_qt_library(NAME DEPS...): a Qt Widgets library from every .cpp in the folder
# except main.cpp.
function(velder_qt_library name)
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB _hdr CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  file(GLOB _res CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  list(FILTER _src EXCLUDE REGEX "/main\\.cpp$")
  if(NOT _src)
    add_library(velder_${name} INTERFACE)
    target_include_directories(velder_${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(velder_${name} INTERFACE velder_options ${ARGN})
  else()
    add_library(velder_${name} STATIC ${_src} ${_hdr} ${_res})
    target_include_directories(velder_${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(velder_${name} PUBLIC velder_options ${ARGN})
    # Q_SIGNALS / Q_SLOTS / Q_EMIT only, so library headers may use "signals" as a name.
    target_compile_definitions(velder_${name} PUBLIC QT_NO_KEYWORDS)
  endif()
  add_library(velder::${name} ALIAS velder_${name})
endfunction()

# Helpers shared by the folders' CMakeLists.

set_property(GLOBAL PROPERTY QUILTARA_CORE_TARGETS "")

# A library without Qt: document/, imaging/, layout/ and the small service
# library of app/. quiltara_check_layers() stops the build if one links Qt.
function(quiltara_core_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  set_property(GLOBAL APPEND PROPERTY QUILTARA_CORE_TARGETS ${name})
endfunction()

# A library that may use Qt (canvas/, output/, download/, dialogs, app/).
function(quiltara_qt_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
endfunction()

# Walks the whole link closure of every core target, so a Qt dependency that
# arrives through another library is caught as well.
function(_quiltara_collect_links target out)
  set(seen ${${out}})
  if(NOT TARGET ${target})
    if(target MATCHES "^Qt6::|^Qt::")
      list(APPEND seen ${target})
    endif()
    set(${out} ${seen} PARENT_SCOPE)
    return()
  endif()
  get_target_property(links ${target} LINK_LIBRARIES)
  get_target_property(ilinks ${target} INTERFACE_LINK_LIBRARIES)
  foreach(dep IN LISTS links ilinks)
    if(dep AND NOT dep IN_LIST seen AND NOT dep MATCHES "NOTFOUND")
      list(APPEND seen ${dep})
      _quiltara_collect_links(${dep} seen)
    endif()
  endforeach()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

function(quiltara_check_layers)
  get_property(cores GLOBAL PROPERTY QUILTARA_CORE_TARGETS)
  foreach(core IN LISTS cores)
    set(closure "")
    _quiltara_collect_links(${core} closure)
    foreach(dep IN LISTS closure)
      if(dep MATCHES "^Qt6::|^Qt::")
        message(FATAL_ERROR "${core} must not depend on Qt (reaches ${dep})")
      endif()
    endforeach()
  endforeach()
endfunction()

# A GoogleTest executable registered with ctest. Tests that open windows run
# on the offscreen platform.
function(quiltara_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gmock)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    QUILTARA_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
    QUILTARA_PROGRAM_DIR="${QUILTARA_PROGRAM_DIR}")
  gtest_discover_tests(${name}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    NO_PRETTY_VALUES
    DISCOVERY_TIMEOUT 60)
endfunction()

find_package(GTest REQUIRED)
include(GoogleTest)

# lumaveil_add_test(NAME [GUI] SOURCES a.cpp b.cpp LIBS lib... [LABELS l...]
#                   [TIMEOUT s] [PROPERTIES name value...])
# One GoogleTest executable, its cases registered with CTest; PROPERTIES are
# extra CTest properties of every case (fixtures, resource locks, ...).
# GUI: the program runs with a QApplication on the offscreen platform.
function(lumaveil_add_test name)
  cmake_parse_arguments(T "GUI" "TIMEOUT" "SOURCES;LIBS;LABELS;PROPERTIES" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_GUI)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE ${T_LIBS} lumaveil_qt_test_support)
    list(APPEND T_PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  endif()
  target_compile_definitions(${name} PRIVATE
    LUMAVEIL_BIN_DIR="${PROJECT_BINARY_DIR}/bin"
    LUMAVEIL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
  lumaveil_warnings(${name})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  # Tests never touch the user's own settings file: each program gets a
  # settings store of its own in the build tree.
  set(labels)
  if(T_LABELS)
    set(labels LABELS "${T_LABELS}")
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT ${T_TIMEOUT}
      ENVIRONMENT_MODIFICATION
        "LUMAVEIL_REGISTRY=set:${PROJECT_BINARY_DIR}/tests/registry-${name}.reg"
      ${labels} ${T_PROPERTIES})
endfunction()

# Tests of the report windows.
find_package(GTest REQUIRED)
include(GoogleTest)
vezu_test(report_window_tests
  ${CMAKE_CURRENT_LIST_DIR}/report_preview_test.cpp
  LIBS vezu_report_windows vezu_import)
target_include_directories(report_window_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})

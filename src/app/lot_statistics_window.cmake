# The lot statistics window and the Qt-free analyses under it.
target_sources(vezu_app PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/lot_statistics_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lot_statistics_window_histogram.cpp
)
target_link_libraries(vezu_app PUBLIC vezu_analysis)

# The report windows: the QPainter canvas, the preview, printing, the PDF
# options dialog.
find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets PrintSupport)

add_library(vezu_report_windows
  ${CMAKE_CURRENT_LIST_DIR}/painter_canvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/thumbnail_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/report_printing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/report_preview.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pdf_export_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_report_dialogs.cpp
)
target_link_libraries(vezu_report_windows PUBLIC vezu_commands Qt6::Widgets Qt6::PrintSupport)

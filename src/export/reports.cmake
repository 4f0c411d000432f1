# Weighing report layouts and the PDF writer.
find_path(HPDF_INCLUDE_DIR hpdf.h REQUIRED)
find_library(HPDF_LIBRARY hpdf REQUIRED)
find_package(JPEG REQUIRED)

set(embedded ${CMAKE_CURRENT_BINARY_DIR}/report_resources.cpp)
set(layouts ${CMAKE_CURRENT_SOURCE_DIR}/layouts)
add_custom_command(
  OUTPUT ${embedded}
  COMMAND ${CMAKE_COMMAND} -DOUTPUT=${embedded}
          "-DFILES=kr10Layout=${layouts}/kr10.xml|kr20Layout=${layouts}/kr20.xml|earlierKr20LayoutFile=${layouts}/kr20-earlier.fr3|logoJpeg=${layouts}/logo.jpg"
          -P ${CMAKE_CURRENT_SOURCE_DIR}/embed_files.cmake
  DEPENDS ${layouts}/kr10.xml ${layouts}/kr20.xml ${layouts}/kr20-earlier.fr3 ${layouts}/logo.jpg ${CMAKE_CURRENT_SOURCE_DIR}/embed_files.cmake
  VERBATIM)

add_library(vezu_pdf
  ${embedded}
  weighing_layouts.cpp
  report_lines.cpp
  weighing_reports.cpp
  weighing_pdf.cpp
  page_range.cpp
  jpeg_quality.cpp
  pdf_document.cpp
  pdf_canvas.cpp
  pdf_writer.cpp
)
target_include_directories(vezu_pdf PRIVATE ${HPDF_INCLUDE_DIR})
target_link_libraries(vezu_pdf PUBLIC vezu_report vezu_data vezu_base PRIVATE ${HPDF_LIBRARY} JPEG::JPEG)

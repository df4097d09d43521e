# Text entry and print pages, the text edit and the whole run; the printed page is measured with
# the render tests' helpers.
target_sources(test_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/pages2_fixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/every_edit_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_entry_rules_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_page_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/design_history_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recovery_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/print_step_page_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/design_run_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/views_to_scale_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fill_dialog_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sheet_navigation_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/print_sheets_test.cpp
  ${PROJECT_SOURCE_DIR}/tests/render/page_measure.cpp
  ${PROJECT_SOURCE_DIR}/tests/render/cups_pdf_queue.cpp)
target_include_directories(test_gui PRIVATE ${PROJECT_SOURCE_DIR}/tests/render)

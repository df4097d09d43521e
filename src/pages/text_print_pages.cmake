# Text entry and print pages, preview windows and printing.
target_sources(velmaro_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/preview_windows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/print_sheet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/design_of_kind.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sticker_actions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sheet_page_views.cpp
  ${CMAKE_CURRENT_LIST_DIR}/offset_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fill_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sheet_navigation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sheet_steps.cpp
  ${CMAKE_CURRENT_LIST_DIR}/print_sheets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../res/text_print_templates.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../res/print_art.cpp)

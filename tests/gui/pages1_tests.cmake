# Layout and font pages, the colour and typeface dialogs.
target_sources(test_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/design_page_fixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/layout_pages_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font_pages_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/colour_typeface_dialogs_test.cpp)

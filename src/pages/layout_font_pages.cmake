# Layout and font pages and their dialogs.
target_sources(velmaro_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/colour_palette.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data_folder_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/face_choice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/line_break_setting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font_colour_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/other_faces_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sample_views.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vertical_faces.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../res/arrangement_art.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../res/layout_font_templates.cpp)

# Input controls of the design pages.
target_sources(velmaro_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/num_spin_ctrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/storable_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/piece_moves.cpp
  ${CMAKE_CURRENT_LIST_DIR}/every_edit.cpp)

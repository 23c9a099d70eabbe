# The dialog half of our class library: the settings dialog's form and controls, and the window-
# free alignment they share. Included from toolkit/CMakeLists.txt; needs the orvane_toolkit
# target (the dialog form is a Form of the application).
find_package(Qt6 REQUIRED COMPONENTS Widgets Gui)

add_library(orvane_toolkit_dialog STATIC
  ${CMAKE_CURRENT_LIST_DIR}/align_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/button.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/check_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/combo_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/control.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/dialog_form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/edit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/font_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/group_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/label.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/memo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/open_picture_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/page_control.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/qfont_convert.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/radio_button.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/tab_sheet.cpp
)
get_filename_component(_orvane_root ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
target_include_directories(orvane_toolkit_dialog PUBLIC ${_orvane_root})
target_link_libraries(orvane_toolkit_dialog PUBLIC orvane_toolkit orvane_core PRIVATE Qt6::Widgets Qt6::Gui)

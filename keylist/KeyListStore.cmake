# The key-list file, its commands, the grids' model and the key dialogs, on top of the table layer.
target_sources(vtrk_keylist PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TWin1252Validator.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TKeyListStore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TKeyListCommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TKeyTableModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TKeyGrid.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TKeyCodeValidator.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TDBEditFrm.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFindKeyFrm.cpp)
target_link_libraries(vtrk_keylist PUBLIC vtrk_seams Qt6::Widgets)

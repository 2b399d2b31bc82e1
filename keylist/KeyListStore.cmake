# The key-list file, its commands and the key dialogs, on top of the table layer.
target_sources(vtrk_keylist PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TWin1252.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TWin1252Validator.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TWorkDir.cpp)
target_link_libraries(vtrk_keylist PUBLIC vtrk_seams Qt6::Widgets)

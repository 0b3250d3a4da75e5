# The account windows and commands: the statistics window and New/Change Player and Backup.
add_library(accounts_ui STATIC
  ${CMAKE_CURRENT_LIST_DIR}/frmStats.h ${CMAKE_CURRENT_LIST_DIR}/frmStats.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlayerCommands.h ${CMAKE_CURRENT_LIST_DIR}/PlayerCommands.cpp)
set_target_properties(accounts_ui PROPERTIES AUTOMOC ON)
target_link_libraries(accounts_ui PUBLIC accounts_core accounts_text artwork Qt6::Widgets)

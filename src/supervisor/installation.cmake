# Installation window, installation backup, archive resets and the update launcher.
target_sources(kv7_supervisor PRIVATE ${CMAKE_CURRENT_LIST_DIR}/InstallationCommands.cpp)
target_link_libraries(kv7_supervisor PUBLIC kv7_installation_core)

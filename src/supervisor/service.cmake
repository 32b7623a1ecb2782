# Service windows' commands and the cycle's service modes.
target_sources(kv7_supervisor PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ServiceCommands.cpp)
target_link_libraries(kv7_supervisor PUBLIC kv7_service_core)

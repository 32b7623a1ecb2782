# Season statistics for the statistics window.
target_sources(kv7_supervisor PRIVATE ${CMAKE_CURRENT_LIST_DIR}/StatsCommands.cpp)
target_link_libraries(kv7_supervisor PUBLIC kv7_stats_core)

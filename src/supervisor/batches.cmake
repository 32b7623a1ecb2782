# Batch, producer and processing-data commands.
target_sources(kv7_supervisor PRIVATE ${CMAKE_CURRENT_LIST_DIR}/BatchCommands.cpp)
target_link_libraries(kv7_supervisor PUBLIC kv7_batches_core)
target_sources(kv7_supervisor PRIVATE ${CMAKE_CURRENT_LIST_DIR}/BatchLifecycle.cpp)

# Price lists and the grower's season statement.
target_sources(kv7_supervisor PRIVATE ${CMAKE_CURRENT_LIST_DIR}/PriceCommands.cpp)
target_link_libraries(kv7_supervisor PUBLIC kv7_prices_core)

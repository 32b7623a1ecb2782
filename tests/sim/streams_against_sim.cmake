# The controller's streaming service modes against the running kv7-sim.
kv7_add_test(sim_stream_test LABELS "sim;nogui;threads"
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/StreamsAgainstSimTest.cpp
  LIBS kv7_link kv7_store)
target_compile_definitions(sim_stream_test PRIVATE KV7_SIM_BINARY="$<TARGET_FILE:kv7-sim>")
add_dependencies(sim_stream_test kv7-sim)

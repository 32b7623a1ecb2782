# The console's link objects against the running kv7-sim.
kv7_add_test(sim_link_test LABELS "sim;nogui;threads"
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/LinkAgainstSimTest.cpp
  LIBS kv7_link kv7_store)
target_compile_definitions(sim_link_test PRIVATE KV7_SIM_BINARY="$<TARGET_FILE:kv7-sim>")
add_dependencies(sim_link_test kv7-sim)

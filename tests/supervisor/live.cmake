# The live row offered at a totals refresh, against the running simulator and the private database.
kv7_add_test(live_sim_tests LABELS "supervisor;live;sim;db;nogui"
  SOURCES LiveWithSimTest.cpp
  LIBS kv7_supervisor)
target_compile_definitions(live_sim_tests PRIVATE KV7_SIM_BINARY="$<TARGET_FILE:kv7-sim>")
add_dependencies(live_sim_tests kv7-sim)

kv7_add_test(totals_tests LABELS "supervisor;nogui"
  SOURCES TotalsTest.cpp
  LIBS kv7_supervisor)

# The totals against the running simulator, with the snapshot and the live row in a private database.
kv7_add_test(totals_sim_tests LABELS "supervisor;sim;db;nogui;live"
  SOURCES TotalsWithSimTest.cpp
  LIBS kv7_supervisor)
target_compile_definitions(totals_sim_tests PRIVATE KV7_SIM_BINARY="$<TARGET_FILE:kv7-sim>")
add_dependencies(totals_sim_tests kv7-sim)

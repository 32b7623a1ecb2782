kv7_add_test(supervisor_startup_tests LABELS "supervisor;nogui;threads"
  SOURCES SupervisorStartupTest.cpp
  LIBS kv7_supervisor)

# The console logic against the running simulator.
kv7_add_test(supervisor_sim_tests LABELS "supervisor;sim;nogui;threads"
  SOURCES SupervisorWithSimTest.cpp
  LIBS kv7_supervisor)
target_compile_definitions(supervisor_sim_tests PRIVATE KV7_SIM_BINARY="$<TARGET_FILE:kv7-sim>")
add_dependencies(supervisor_sim_tests kv7-sim)

kv7_add_test(machine_thread_tests LABELS "supervisor;nogui;threads"
  SOURCES MachineThreadTest.cpp
  LIBS kv7_supervisor)

# A grading program from the archive onto the simulated board.
kv7_add_test(program_load_sim_tests LABELS "supervisor;sim;db;nogui;programs"
  SOURCES ProgramLoadWithSimTest.cpp
  LIBS kv7_supervisor)
target_compile_definitions(program_load_sim_tests PRIVATE KV7_SIM_BINARY="$<TARGET_FILE:kv7-sim>")
add_dependencies(program_load_sim_tests kv7-sim)

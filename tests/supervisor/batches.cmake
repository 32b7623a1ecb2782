# Batch, producer and processing-data commands with scripted windows.
kv7_add_test(batch_commands_tests LABELS "supervisor;batches;db;nogui"
  SOURCES BatchCommandsTest.cpp
  LIBS kv7_supervisor)
add_dependencies(batch_commands_tests kv7ctl)
target_compile_definitions(batch_commands_tests PRIVATE KV7CTL_PATH="$<TARGET_FILE:kv7ctl>")

# Whole batches against the simulator and the private database, with the
# faults: archive down, export folder missing, a kill at every step.
kv7_add_test(batch_lifecycle_tests LABELS "supervisor;batches;sim;db;nogui"
  SOURCES BatchLifecycleTest.cpp
  LIBS kv7_supervisor)
target_compile_definitions(batch_lifecycle_tests PRIVATE KV7_SIM_BINARY="$<TARGET_FILE:kv7-sim>")
add_dependencies(batch_lifecycle_tests kv7-sim)

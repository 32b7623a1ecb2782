# The whole console (window, supervisor, links) against the running simulator.
kv7_add_test(console_app_tests LABELS "app;ui;sim"
  SOURCES ConsoleAppTest.cpp
  LIBS kv7_app_glue Qt6::Test)
target_compile_definitions(console_app_tests PRIVATE KV7_SIM_BINARY="$<TARGET_FILE:kv7-sim>")
add_dependencies(console_app_tests kv7-sim)

# The window thread's answer time while the machine thread works.
kv7_add_test(console_latency_tests LABELS "app;ui;sim"
  SOURCES ConsoleLatencyTest.cpp
  LIBS kv7_app_glue Qt6::Test)
target_compile_definitions(console_latency_tests PRIVATE KV7_SIM_BINARY="$<TARGET_FILE:kv7-sim>")
add_dependencies(console_latency_tests kv7-sim)

# Grading programs through the console's windows and keys.
kv7_add_test(console_program_tests LABELS "app;ui;sim;db;programs"
  SOURCES ConsoleProgramTest.cpp
  LIBS kv7_app_glue Qt6::Test)
target_compile_definitions(console_program_tests PRIVATE KV7_SIM_BINARY="$<TARGET_FILE:kv7-sim>")
add_dependencies(console_program_tests kv7-sim)

# The machine watched while the start-up message waits for the person.
kv7_add_test(console_watch_tests LABELS "app;ui;sim;db"
  SOURCES ConsoleWatchTest.cpp
  LIBS kv7_app_glue Qt6::Test)
target_compile_definitions(console_watch_tests PRIVATE KV7_SIM_BINARY="$<TARGET_FILE:kv7-sim>")
add_dependencies(console_watch_tests kv7-sim)

# The whole console (window, supervisor, links) against the running simulator.
kv7_add_test(console_app_tests LABELS "app;ui;sim"
  SOURCES ConsoleAppTest.cpp
  LIBS kv7_app_glue Qt6::Test)
target_compile_definitions(console_app_tests PRIVATE KV7_SIM_BINARY="$<TARGET_FILE:kv7-sim>")
add_dependencies(console_app_tests kv7-sim)

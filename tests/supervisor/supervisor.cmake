kv7_add_test(supervisor_startup_tests LABELS "supervisor;nogui"
  SOURCES SupervisorStartupTest.cpp
  LIBS kv7_supervisor)

kv7_add_test(eventlog_tests LABELS "supervisor;nogui"
  SOURCES EventLogTest.cpp
  LIBS kv7_supervisor)

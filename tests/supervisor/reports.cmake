# Report commands with scripted windows against the private server.
kv7_add_test(report_commands_tests LABELS "supervisor;reports;db;nogui"
  SOURCES ReportCommandsTest.cpp
  LIBS kv7_supervisor)

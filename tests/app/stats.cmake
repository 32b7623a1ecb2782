# Bolle -> Statistiche on the whole console against the private server.
kv7_add_test(console_stats_tests LABELS "app;ui;db;stats"
  SOURCES ConsoleStatsTest.cpp
  LIBS kv7_app_glue Qt6::Test)

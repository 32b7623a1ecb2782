kv7_add_test(totals_window_tests LABELS "ui"
  SOURCES TotalsWindowsTest.cpp
  LIBS kv7_ui kv7_supervisor kv7_reports_ui Qt6::Test)

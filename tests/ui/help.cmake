kv7_add_test(ui_help_tests LABELS "ui"
  SOURCES THelpTest.cpp
  LIBS kv7_ui Qt6::Test)

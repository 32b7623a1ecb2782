# The processing data through the console's keys.
kv7_add_test(console_batch_tests LABELS "app;ui;db;batches"
  SOURCES ConsoleBatchTest.cpp
  LIBS kv7_app_glue Qt6::Test)

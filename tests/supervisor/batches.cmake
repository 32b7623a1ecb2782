# Batch, producer and processing-data commands with scripted windows.
kv7_add_test(batch_commands_tests LABELS "supervisor;batches;db;nogui"
  SOURCES BatchCommandsTest.cpp
  LIBS kv7_supervisor)

# The calculated columns need no server.
kv7_add_test(batch_figures_tests LABELS "store;nogui"
  SOURCES BatchFiguresTest.cpp
  LIBS kv7_store)

# The archive against the private server (scripts/test starts it).
find_program(KV7_MARIADB_CLIENT NAMES mariadb mysql REQUIRED)
kv7_add_test(database_tests LABELS "store;db;nogui"
  SOURCES DatabaseTest.cpp DbCommandTest.cpp
  LIBS kv7_store)
add_dependencies(database_tests kv7ctl)
target_compile_definitions(database_tests PRIVATE
  KV7CTL_PATH="$<TARGET_FILE:kv7ctl>"
  MARIADB_CLIENT="${KV7_MARIADB_CLIENT}")

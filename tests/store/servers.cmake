# The servers of an archive address; no server needed.
kv7_add_test(db_servers_tests LABELS "store;nogui"
  SOURCES DbServersTest.cpp
  LIBS kv7_store)

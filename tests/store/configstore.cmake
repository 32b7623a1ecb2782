kv7_add_test(configstore_tests LABELS "store;nogui"
  SOURCES ConfigStoreTest.cpp
  LIBS kv7_store)

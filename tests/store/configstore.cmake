kv7_add_test(configstore_tests LABELS "store;nogui"
  SOURCES ConfigStoreTest.cpp DbParamsTest.cpp FileIoTest.cpp
  LIBS kv7_store)

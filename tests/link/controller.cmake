kv7_add_test(link_port_tests LABELS "link;nogui"
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/cPortTest.cpp
  LIBS kv7_link)

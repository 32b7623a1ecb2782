kv7_add_test(link_reject_tests LABELS "link;nogui;threads"
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/cSrd12Test.cpp
  LIBS kv7_link)
kv7_add_test(link_barcode_tests LABELS "link;nogui;threads"
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tPollingTest.cpp
  LIBS kv7_link)

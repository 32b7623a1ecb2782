kv7_add_test(link_port_tests LABELS "link;nogui"
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/cPortTest.cpp
  LIBS kv7_link)
# The scripted board runs on its own thread.
kv7_add_test(link_controller_tests LABELS "link;nogui;threads"
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/cMB90TransmitTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/MachineStatusTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/BoardSettingsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/cMB90FuzzTest.cpp
  LIBS kv7_link)

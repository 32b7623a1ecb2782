kv7_add_test(link_port_tests LABELS "link;nogui;threads"
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/cPortTest.cpp
  LIBS kv7_link)
# The scripted board runs on its own thread.
kv7_add_test(link_controller_tests LABELS "link;nogui;threads"
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/cMB90TransmitTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/MachineStatusTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/BoardSettingsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/cMB90FuzzTest.cpp
  LIBS kv7_link)
# kv7ctl board (and board ... stream) run as a program against a scripted board.
kv7_add_test(link_board_command_tests LABELS "link;nogui;threads"
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/BoardCommandTest.cpp
  LIBS kv7_link)
add_dependencies(link_board_command_tests kv7ctl)
target_compile_definitions(link_board_command_tests PRIVATE KV7CTL_PATH="$<TARGET_FILE:kv7ctl>")

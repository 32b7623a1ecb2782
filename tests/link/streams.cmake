# The streaming service modes: decoding without a port, then cMB90 against a
# scripted board while its receive thread runs.
kv7_add_test(link_stream_tests LABELS "link;nogui;threads"
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/StreamRecordsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/cMB90StreamsTest.cpp
  LIBS kv7_link)
# kv7ctl board ... stream run as a program against a scripted board.
kv7_add_test(link_stream_command_tests LABELS "link;nogui;threads"
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/BoardStreamCommandTest.cpp
  LIBS kv7_link)
add_dependencies(link_stream_command_tests kv7ctl)
target_compile_definitions(link_stream_command_tests PRIVATE KV7CTL_PATH="$<TARGET_FILE:kv7ctl>")

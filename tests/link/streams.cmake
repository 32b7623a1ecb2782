# The streaming service modes: decoding without a port, then cMB90 against a
# scripted board while its receive thread runs.
kv7_add_test(link_stream_tests LABELS "link;nogui;threads"
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/StreamRecordsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/cMB90StreamsTest.cpp
  LIBS kv7_link)

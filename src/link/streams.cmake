# Streaming service modes of the controller and their receive thread.
target_sources(kv7_link PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/StreamRecords.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StreamReceiver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cMB90Streams.cpp)

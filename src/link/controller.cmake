# Serial port and controller-board protocol.
target_sources(kv7_link PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/cPort.cpp)

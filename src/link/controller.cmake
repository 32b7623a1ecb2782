# Serial port and controller-board protocol.
target_sources(kv7_link PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/cPort.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MachineStatus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BoardSettings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cMB90.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cMB90Status.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cMB90Settings.cpp)

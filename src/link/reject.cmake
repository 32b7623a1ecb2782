# Reject-station board, its error map and the barcode reader's receive thread.
target_sources(kv7_link PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/cSrd12.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RejectErrorMap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tPolling.cpp)

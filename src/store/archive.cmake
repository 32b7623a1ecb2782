# The archive as SQL text (backups, the resets' copies) and the marker of
# "no batch in progress".
target_sources(kv7_store PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ArchiveDump.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NoBatchMarker.cpp)

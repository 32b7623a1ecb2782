# Configuration record, its side files and the installation backup.
target_sources(kv7_store PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Configuration.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FontStyles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SideFiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/InstallationBackup.cpp)

# Configuration record, its side files, the installation backup and the
# password hashes of the settings.
target_sources(kv7_store PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Configuration.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FontStyles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SideFiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/InstallationBackup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PasswordHash.cpp)
target_link_libraries(kv7_store PUBLIC PkgConfig::SODIUM)

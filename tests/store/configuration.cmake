kv7_add_test(configuration_tests LABELS "store;nogui"
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ConfigurationTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/SideFilesTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/InstallationBackupTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/PasswordHashTest.cpp
  LIBS kv7_store)

# Runs the built kv7ctl against a store in a temporary directory.
kv7_add_test(kv7ctl_config_tests LABELS "store;nogui"
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/Kv7ctlConfigTest.cpp
  LIBS kv7_store)
target_compile_definitions(kv7ctl_config_tests PRIVATE KV7CTL_PATH="$<TARGET_FILE:kv7ctl>")
add_dependencies(kv7ctl_config_tests kv7ctl)

# The MySQL archive: connection, statements, row access, schema, the data
# module's operations and the calculated columns of batches and totals.
file(READ ${PROJECT_SOURCE_DIR}/sql/schema.sql KV7_SCHEMA_SQL)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/sql/schema.sql)
configure_file(${CMAKE_CURRENT_LIST_DIR}/DbSchemaSql.cpp.in ${CMAKE_CURRENT_BINARY_DIR}/DbSchemaSql.cpp @ONLY)

target_sources(kv7_store PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BatchFigures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Database.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbConnection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbParams.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbSchema.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbServers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbUsers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DbValue.cpp
  ${CMAKE_CURRENT_BINARY_DIR}/DbSchemaSql.cpp)
target_link_libraries(kv7_store PUBLIC PkgConfig::MARIADB)

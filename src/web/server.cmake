# kv7-web: the office's read-only view in a browser. Its plain core (files,
# sessions, the live reader) and its HTTP side over cpp-httplib.
find_package(PkgConfig REQUIRED)
pkg_check_modules(HTTPLIB REQUIRED IMPORTED_TARGET GLOBAL cpp-httplib)

add_library(kv7_web_core
  WebConfig.cpp
  Sessions.cpp
  Escape.cpp
  LiveFeed.cpp
  DatabasePool.cpp
)
target_include_directories(kv7_web_core PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(kv7_web_core PUBLIC kv7_store kv7_live Threads::Threads)

add_library(kv7_web_server
  WebServer.cpp
  OfficePages.cpp
  Assets.cpp
  UserCommand.cpp
)
target_include_directories(kv7_web_server PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(kv7_web_server PUBLIC kv7_web_pages kv7_web_core kv7_i18n Qt6::Core Qt6::Gui PkgConfig::HTTPLIB)

add_executable(kv7-web main.cpp)
target_link_libraries(kv7-web PRIVATE kv7_web_server)

# In the build tree the language modules are made beside the console; a copy
# beside kv7-web lets it find them there too (installed, both use the data
# folder).
set(_web_modules)
foreach(_abbr IN ITEMS ITA ESO PTG ENG FRA DEU ELL)
  set(_name mb3.${_abbr})
  set(_module ${PROJECT_BINARY_DIR}/src/app/${_name})
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${_name}
    COMMAND ${CMAKE_COMMAND} -E copy ${_module} ${CMAKE_CURRENT_BINARY_DIR}/${_name}
    DEPENDS ${_module})
  list(APPEND _web_modules ${CMAKE_CURRENT_BINARY_DIR}/${_name})
endforeach()
add_custom_target(kv7_web_modules DEPENDS ${_web_modules})
add_dependencies(kv7_web_modules kv7_language_modules)
add_dependencies(kv7-web kv7_web_modules)

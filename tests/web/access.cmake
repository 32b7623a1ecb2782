# kv7-web over HTTP: the program started by the test on a free port against
# the private server, asked with cpp-httplib's client. kv7-web is built with
# the windows' libraries only.
if(KV7_WITH_QT)
  kv7_add_test(web_access_tests LABELS "web;db;nogui"
    SOURCES WebAccessTest.cpp
    LIBS kv7_web_core PkgConfig::HTTPLIB)
  add_dependencies(web_access_tests kv7-web)
  target_compile_definitions(web_access_tests PRIVATE KV7WEB_PATH="$<TARGET_FILE:kv7-web>")
endif()

# kv7-web in headless Chromium (Debian's chromium, chromium-driver and
# python3-selenium, the last one for Debian's own python3): the script starts
# kv7-web over a database of its own on the private server named by the
# environment of scripts/db-env, and leaves its screenshots in browser/ here.
# It reports itself skipped (77) only when Chromium is not installed.
if(TARGET kv7-web AND TARGET kv7ctl)
  add_test(NAME web_browser_tests
    COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/browser_test.py
      --kv7-web $<TARGET_FILE:kv7-web> --kv7ctl $<TARGET_FILE:kv7ctl>
      --sql ${PROJECT_SOURCE_DIR}/sql --out ${CMAKE_CURRENT_BINARY_DIR}/browser)
  set_tests_properties(web_browser_tests PROPERTIES LABELS "browser;web;db" SKIP_RETURN_CODE 77 TIMEOUT 120)
endif()

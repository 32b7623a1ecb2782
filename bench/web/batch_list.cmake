# The batch list page over 100 000 batches (target under 200 ms a page).
# Run on demand with the private server up:
#   scripts/db-server start && source scripts/db-env && build/bench/web/batch_list_bench
if(KV7_WITH_QT)
  add_executable(batch_list_bench BatchListBench.cpp)
  target_include_directories(batch_list_bench PRIVATE ${PROJECT_SOURCE_DIR}/bench/stats)
  target_link_libraries(batch_list_bench PRIVATE kv7_web_pages)
endif()

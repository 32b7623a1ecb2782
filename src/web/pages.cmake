# The data pages as handlers independent of HTTP (kv7_web_pages): batch
# list, batch page, statistics and the season statement, read-only on the
# archive; the PDFs come from the console's page code.
add_library(kv7_web_pages
  BatchListPage.cpp
  BatchPage.cpp
  PageLanguage.cpp
  PageShell.cpp
  StatisticsPage.cpp
  SvgCharts.cpp
  WebText.cpp)
target_include_directories(kv7_web_pages PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(kv7_web_pages PUBLIC Qt6::Core Qt6::Gui kv7_reports_ui kv7_stats_core kv7_prices_core kv7_audit
  kv7_i18n kv7_store kv7_web_core)

# The data pages against the private server: figures against the archive,
# paging at the ends, CSV quoting, escaping, the PDFs read back with pdftotext.
if(KV7_WITH_QT)
  find_program(KV7_WEB_PDFTOTEXT NAMES pdftotext REQUIRED)
  kv7_add_test(web_pages_tests LABELS "web;db;ui"
    SOURCES DataPagesTest.cpp
    LIBS kv7_web_pages kv7_batches_core kv7_programs_core kv7_prices_core)
  target_compile_definitions(web_pages_tests PRIVATE PDFTOTEXT="${KV7_WEB_PDFTOTEXT}")
endif()

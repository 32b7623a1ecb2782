# Languages: switching the windows, the catalogue of the Qt-free layers'
# texts, the completeness of every module, numbers and the print font.
kv7_add_test(i18n_tests LABELS "ui;i18n"
  SOURCES LanguageSwitchTest.cpp MessageCatalogueTest.cpp TranslationFilesTest.cpp PrintFontTest.cpp
  LIBS kv7_ui kv7_i18n kv7_link Qt6::Test)
target_compile_definitions(i18n_tests PRIVATE
  KV7_MODULE_DIR="${PROJECT_BINARY_DIR}/src/app"
  KV7_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
  KV7_LUPDATE="$<TARGET_FILE:Qt6::lupdate>")
add_dependencies(i18n_tests kv7_language_modules)

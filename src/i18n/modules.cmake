# The language modules: Qt Linguist sources translations/kv7_<lang>.ts
# (Italian source texts), compiled to "mb3.<abbreviation>" beside the kv7
# program and installed in the data folder.
set(KV7_TS_DIR ${PROJECT_SOURCE_DIR}/translations)
set(KV7_MODULE_DIR ${PROJECT_BINARY_DIR}/src/app)
set(KV7_TS_FILES)
set(KV7_MODULE_FILES)
foreach(_pair IN ITEMS it:ITA es:ESO pt:PTG en:ENG fr:FRA de:DEU el:ELL)
  string(REPLACE ":" ";" _pair ${_pair})
  list(GET _pair 0 _lang)
  list(GET _pair 1 _abbr)
  set(_ts ${KV7_TS_DIR}/kv7_${_lang}.ts)
  set(_module ${KV7_MODULE_DIR}/mb3.${_abbr})
  add_custom_command(OUTPUT ${_module}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KV7_MODULE_DIR}
    COMMAND Qt6::lrelease -silent ${_ts} -qm ${_module}
    DEPENDS ${_ts}
    COMMENT "Language module mb3.${_abbr}"
    VERBATIM)
  list(APPEND KV7_TS_FILES ${_ts})
  list(APPEND KV7_MODULE_FILES ${_module})
endforeach()
set(KV7_TS_FILES ${KV7_TS_FILES} PARENT_SCOPE)
add_custom_target(kv7_language_modules ALL DEPENDS ${KV7_MODULE_FILES})
install(FILES ${KV7_MODULE_FILES} DESTINATION ${KV7_DATA_INSTALL_DIR})

# `cmake --build <dir> --target kv7_lupdate` collects every tr() text and
# catalogue entry under src/ into the seven .ts files; new texts arrive
# unfinished until they are translated.
add_custom_target(kv7_lupdate
  COMMAND Qt6::lupdate -silent -locations none -no-obsolete -source-language it_IT
          -extensions cpp,h -recursive ${PROJECT_SOURCE_DIR}/src -ts ${KV7_TS_FILES}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  VERBATIM)

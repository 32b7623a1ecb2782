# Install rules and the Debian package (scripts/package). The programs look
# for their data in KV7_DATA_DIR, the installed form of KV7_DATA_INSTALL_DIR,
# so a package is built with CMAKE_INSTALL_PREFIX=/usr.

set(_kv7_programs kv7ctl kv7-sim)
if(KV7_WITH_QT)
  list(PREPEND _kv7_programs kv7 kv7-web)
endif()
install(TARGETS ${_kv7_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(PROGRAMS ${CMAKE_CURRENT_LIST_DIR}/kv7-db DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/sql/schema.sql ${PROJECT_SOURCE_DIR}/sql/demo-data.sql
        DESTINATION ${KV7_DATA_INSTALL_DIR}/sql)
# kv7-db runs the same private server the checkout's scripts use.
install(PROGRAMS ${PROJECT_SOURCE_DIR}/scripts/db-server DESTINATION ${KV7_DATA_INSTALL_DIR})

# The operator guide, opened from the console's "Aiuto" menu. A copy beside
# the built console lets it open the guide from the build folder too.
file(GLOB _kv7_guide_images CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/images/*.png)
install(FILES ${PROJECT_SOURCE_DIR}/docs/operator-guide.md DESTINATION ${KV7_DATA_INSTALL_DIR}/docs)
install(FILES ${_kv7_guide_images} DESTINATION ${KV7_DATA_INSTALL_DIR}/docs/images)
if(KV7_WITH_QT)
  configure_file(${PROJECT_SOURCE_DIR}/docs/operator-guide.md ${PROJECT_BINARY_DIR}/src/app/docs/operator-guide.md
                 COPYONLY)
  foreach(_image IN LISTS _kv7_guide_images)
    get_filename_component(_name ${_image} NAME)
    configure_file(${_image} ${PROJECT_BINARY_DIR}/src/app/docs/images/${_name} COPYONLY)
  endforeach()
endif()

install(FILES ${CMAKE_CURRENT_LIST_DIR}/kv7.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/kv7.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The office view: its unit stays disabled until a site enables it.
if(KV7_WITH_QT)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/kv7-web.service DESTINATION lib/systemd/system)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/kv7-web.conf.example DESTINATION ${KV7_DATA_INSTALL_DIR})
endif()
# udev reads /usr/lib/udev/rules.d on a merged-/usr system.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/60-kv7-serial.rules DESTINATION lib/udev/rules.d)

# ---- Debian package: kv7_<version>_amd64.deb ----
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kv7)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "KV7 maintainers <kv7@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Supervisor console of a fruit sampling and weight-grading machine")
set(CPACK_PACKAGE_DESCRIPTION
    "KV7 Campionatrice drives the machine's controller board and reject station over serial lines,\n"
    "shows the live weights per class and quality, archives batches in MariaDB and prints reports.\n"
    "Includes kv7ctl (technician's tool), kv7-sim (simulated machine), kv7-db (private database)\n"
    "and kv7-web (the office's read-only view in a browser, off by default).")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # kv7_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Library dependencies (Qt 6 core, gui, widgets, libmariadb3, libjpeg62-turbo, libsodium23,
# the C++ runtime) come from the programs themselves; the Qt modules of the
# print and trace windows are named as well, so they are there as those come.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6printsupport6 (>= 6.4), libqt6charts6 (>= 6.4), libsodium23")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "mariadb-server, mariadb-client")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

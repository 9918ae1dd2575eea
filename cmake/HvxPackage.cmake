# The Debian package (scripts/package): hvx_<version>_amd64.deb with the programs, language
# folders, help, icons, menu entry and MIME type; library dependencies from dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hvx)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR VORMAK)
set(CPACK_PACKAGE_CONTACT "VORMAK HVX Maintainers <hvx@vormak.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration tool for the Hydrovant water-treatment instrument")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Puts together, keeps and transfers the parameter sets of the Hydrovant\nmeasuring and control instrument over its serial line; hvxcli does the\nsame without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Qt platform plug-ins are loaded at run time, so no binary names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# What Debian expects of every package: the copyright file and the compressed changelog.
set(HVX_DEB_CHANGELOG ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${HVX_DEB_CHANGELOG}
  COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/resources/debian/changelog > ${HVX_DEB_CHANGELOG}
  DEPENDS ${PROJECT_SOURCE_DIR}/resources/debian/changelog)
add_custom_target(hvx_deb_changelog ALL DEPENDS ${HVX_DEB_CHANGELOG})
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright ${HVX_DEB_CHANGELOG} DESTINATION share/doc/hvx)

include(CPack)

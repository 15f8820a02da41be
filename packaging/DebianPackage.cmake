# The Debian package, made by cpack from what `cmake --install` installs:
# tankora_<version>_<arch>.deb. Its version is the project's; its Depends
# come from the binaries (dpkg-shlibdeps).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tankora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "${TANKORA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TANKORA_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TANKORA_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Folders as Debian expects them, whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# The synopsis, then the extended description: cpack puts the one before
# the other, indents each line and writes an empty line as " .".
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for liquid volume and height in storage tanks")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tankora computes, for horizontal and vertical cylindrical storage tanks with
flat or domed heads, the liquid volume at a height, the height for a volume,
and the new height after liquid has flowed out or in at a rate for a time.
Each dimension and result has its own unit, metric or imperial.

The package holds the window (in fifteen languages), tankora-cli, which
gives the same results and gauge tables on the command line, and mldtool,
which shows and edits the multilingual dictionary files the window reads.
")

# The changelog and the copyright file, where Debian looks for them.
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/tankora)
execute_process(COMMAND date -u -R -d ${TANKORA_RELEASE_DATE}
  OUTPUT_VARIABLE TANKORA_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog.in
  ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.gz
  COMMAND ${TANKORA_GZIP} -9nkf ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog
  COMMENT "Compressing the package's changelog" VERBATIM)
add_custom_target(tankora_changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.gz DESTINATION ${docdir})
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/debian/copyright DESTINATION ${docdir})

include(CPack)

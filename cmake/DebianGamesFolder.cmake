# Run by CPack once the programs are installed into its staging folder, before
# the package is made: a Debian package of section games keeps its programs
# in /usr/games, so they move there from /usr/bin. The launcher finds the
# delivered files the same way from either folder, one level below /usr.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
set(staged "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT IS_DIRECTORY "${staged}/bin")
  message(FATAL_ERROR "no programs staged in ${staged}/bin")
endif()
file(RENAME "${staged}/bin" "${staged}/games")

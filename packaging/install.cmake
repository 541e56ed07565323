# Installation and the Debian package: bin/tramlet-batch (and bin/tramlet with the GUI), the
# libraries in lib/, the examples, the manual page, and for the GUI its desktop entry and icon.
include(GNUInstallDirs)

# The programs find their libraries beside them after installation.
set(TRAMLET_LIBRARIES sablekit tramlet_document tramlet_roads tramlet_algorithms tramlet_commands)
foreach(library ${TRAMLET_LIBRARIES})
  set_target_properties(${library} PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
endforeach()
set(TRAMLET_PROGRAMS tramlet-batch)
if(TARGET tramlet)
  list(APPEND TRAMLET_PROGRAMS tramlet)
endif()
set_target_properties(${TRAMLET_PROGRAMS} ${TRAMLET_LIBRARIES} PROPERTIES
  INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")

install(TARGETS ${TRAMLET_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS ${TRAMLET_LIBRARIES} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} NAMELINK_SKIP)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tramlet/examples)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/tramlet-batch.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(TARGET tramlet)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/tramlet.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/tramlet.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# cpack -G DEB: the dependencies are those of the installed programs and libraries
# (dpkg-shlibdeps), and the solver library, which is opened at run time.
set(CPACK_PACKAGE_NAME tramlet)
set(CPACK_PACKAGE_VENDOR "Tramlet developers")
set(CPACK_PACKAGE_CONTACT "Tramlet developers <tramlet@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Vehicle routing with backhauls: heuristics, MIP and batch runs")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/framework ${CMAKE_BINARY_DIR})
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libglpk40")
include(CPack)

if(TRAMLET_BUILD_TESTS)
  add_test(NAME InstallTest.InstalledProgramRunsAnInstalledExample
           COMMAND sh ${CMAKE_SOURCE_DIR}/packaging/install_test.sh ${CMAKE_BINARY_DIR})
endif()

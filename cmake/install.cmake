# The installed layout: the program and the checker in bin/, the sprite tools
# the program runs in libexec/vantrel/, the shipped data and the sample
# character in share/vantrel/, and the desktop integration files. The program
# finds the tools and the data from its own place (see src/shell/app_paths.cpp).
include(GNUInstallDirs)

set(VANTREL_INSTALL_TOOLS_DIR ${CMAKE_INSTALL_LIBEXECDIR}/vantrel)
set(VANTREL_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/vantrel)

install(TARGETS vantrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET vantrel-check)
  install(TARGETS vantrel-check vantrel-export RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(VANTREL_BUILD_TOOLS)
  install(TARGETS sff2pcx sprmaker RUNTIME DESTINATION ${VANTREL_INSTALL_TOOLS_DIR})
  install(DIRECTORY ${VANTREL_APP_DIR}/samples DESTINATION ${VANTREL_INSTALL_DATA_DIR})
endif()
install(FILES ${CMAKE_SOURCE_DIR}/data/tips.txt ${CMAKE_SOURCE_DIR}/data/stclips.txt ${CMAKE_SOURCE_DIR}/data/cmdclips.txt
              ${CMAKE_SOURCE_DIR}/data/sctrls.html
        DESTINATION ${VANTREL_INSTALL_DATA_DIR})
install(FILES ${VANTREL_QM_FILES} DESTINATION ${VANTREL_INSTALL_DATA_DIR}/translations)

set(desktop ${CMAKE_SOURCE_DIR}/data/desktop)
install(FILES ${desktop}/org.vantrel.Vantrel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${desktop}/org.vantrel.Vantrel.metainfo.xml.in ${CMAKE_BINARY_DIR}/org.vantrel.Vantrel.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/org.vantrel.Vantrel.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The character definition's type, for file managers (shared-mime-info).
install(FILES ${desktop}/org.vantrel.Vantrel.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME org.vantrel.Vantrel.xml)
install(FILES ${desktop}/icons/vantrel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME org.vantrel.Vantrel.svg)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${desktop}/icons/vantrel-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME org.vantrel.Vantrel.png)
endforeach()

# cpack -G DEB: a Debian package with the shared libraries' packages as its
# dependencies (found by dpkg-shlibdeps) and the Qt platform plugins it needs.
set(CPACK_PACKAGE_NAME vantrel)
set(CPACK_PACKAGE_VENDOR "Vantrel")
set(CPACK_PACKAGE_CONTACT "Vantrel maintainers <maintainers@vantrel.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for fighter characters of 2D fighting-game engines")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "wine")
set(CPACK_GENERATOR DEB)
include(CPack)

# The installed program and its Debian package. `cmake --install` lays the program out by
# GNUInstallDirs: the executable in bin/, its shipped files in share/velmor_accounts/ (install/ with
# the shipped backup and the data-file archive, data/ with the asset file), the desktop entry, the
# icons and the AppStream metadata. The target deb_package makes the .deb in build/package/ with
# CPack; it is not part of the normal build. Included from the top-level CMakeLists.txt.
include(GNUInstallDirs)
# Installing (and so packaging) builds only what it installs, not every test.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(VELMOR_PACKAGE_NAME velmor-accounts)
set(VELMOR_APP_ID com.velmor.accounts)
set(_share ${CMAKE_INSTALL_DATADIR}/velmor_accounts)

# The program finds its shipped files from its own folder: the path from bin/ to the shared folder.
file(RELATIVE_PATH _share_from_bin ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/velmor_accounts)
target_compile_definitions(velmor_procs PRIVATE VELMOR_SHARE_FROM_BIN="${_share_from_bin}")

install(TARGETS velmor_accounts RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_BINARY_DIR}/bin/install/accounts.1.0.1.3.release.fbk ${CMAKE_BINARY_DIR}/bin/install/data_files.zip
        DESTINATION ${_share}/install)
# The intro screen's asset file, when this build makes one.
install(FILES ${CMAKE_BINARY_DIR}/bin/data/assets_001.dat DESTINATION ${_share}/data OPTIONAL)

# Desktop integration: the entry, the icon drawn by the icon tool, the AppStream metadata.
set(_app_icons ${CMAKE_BINARY_DIR}/generated/app_icon)
add_custom_command(
  OUTPUT ${_app_icons}/48x48/${VELMOR_APP_ID}.png ${_app_icons}/128x128/${VELMOR_APP_ID}.png
         ${_app_icons}/256x256/${VELMOR_APP_ID}.png
  BYPRODUCTS ${_app_icons}/${VELMOR_APP_ID}.svg
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:icon-maker> --app-icon ${_app_icons} ${VELMOR_APP_ID}
  DEPENDS icon-maker
  COMMENT "Drawing the desktop icon"
  VERBATIM)
add_custom_target(app_icon DEPENDS ${_app_icons}/48x48/${VELMOR_APP_ID}.png)
foreach(_size 48 128 256)
  install(FILES ${_app_icons}/${_size}x${_size}/${VELMOR_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps)
endforeach()
install(FILES ${_app_icons}/${VELMOR_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        OPTIONAL)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${VELMOR_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${VELMOR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# What every Debian package carries: its copyright file, a compressed changelog and manual page (no
# time stamp in the gzip header, so the package is reproducible).
set(_changelog ${CMAKE_BINARY_DIR}/generated/changelog.gz)
set(_manpage ${CMAKE_BINARY_DIR}/generated/velmor_accounts.1.gz)
add_custom_command(
  OUTPUT ${_changelog} ${_manpage}
  COMMAND sh -c "gzip -9n -c '${CMAKE_CURRENT_LIST_DIR}/changelog' > '${_changelog}'"
  COMMAND sh -c "gzip -9n -c '${CMAKE_CURRENT_LIST_DIR}/velmor_accounts.1' > '${_manpage}'"
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog ${CMAKE_CURRENT_LIST_DIR}/velmor_accounts.1
  VERBATIM)
add_custom_target(package_docs DEPENDS ${_changelog} ${_manpage})
# scripts.md: how to drive the program with a script, which --help and the no-display message name.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${_changelog} ${CMAKE_SOURCE_DIR}/docs/scripts.md
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${VELMOR_PACKAGE_NAME})
install(FILES ${_manpage} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME ${VELMOR_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Velmor Accounts developers")
set(CPACK_PACKAGE_CONTACT "Velmor Accounts developers <accounts@velmor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "business accounts for a small firm")
set(CPACK_PACKAGE_DESCRIPTION
    "Velmor Accounts keeps a small firm's customer accounts and contacts, a\n\
catalogue of PLU items, the billing of commercial property tenants, jobs and\n\
operators, in a Firebird database that runs inside the program. Every screen\n\
is worked from the keyboard.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# dpkg-shlibdeps names the libraries the executable links (Qt, the Firebird client, libzip, the C++
# runtime); these are what it loads or draws with at run time without linking them: the embedded
# engine, Qt's platform plugins, the JPEG decoder of the site pictures and the fonts of the screens.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "firebird3.0-server-core, qt6-qpa-plugins, libjpeg62-turbo, \
fonts-wine, fonts-liberation2, fonts-dejavu-core, fonts-opensymbol, fonts-open-sans")
include(CPack)

add_custom_target(deb_package
  COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  COMMENT "Making the Debian package in ${CMAKE_BINARY_DIR}/package"
  VERBATIM)
add_dependencies(deb_package velmor_accounts shipped_database app_icon package_docs)

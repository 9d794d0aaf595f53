# What `make install` puts on the machine and what the .deb of `make package` holds: the
# program, its desktop entry, icons, AppStream metainfo, manual page and documents (the
# operator's guide among them), at the places the freedesktop and Debian conventions give
# them.
include(GNUInstallDirs)

# The id of the desktop entry, the icon and the metainfo. Under the reserved top-level
# domain .invalid, which can never be registered, so it names no organisation.
set(TABLOX_APP_ID invalid.tablox.Tablox)

set(packaging_source ${CMAKE_SOURCE_DIR}/packaging)
set(packaging_build ${CMAKE_BINARY_DIR}/packaging)

# The files that carry the id or the version, filled in from here and project().
configure_file(${packaging_source}/tablox.desktop.in ${packaging_build}/${TABLOX_APP_ID}.desktop
               @ONLY)
configure_file(${packaging_source}/tablox.metainfo.xml.in
               ${packaging_build}/${TABLOX_APP_ID}.metainfo.xml @ONLY)
configure_file(${packaging_source}/tablox.1.in ${packaging_build}/tablox.1 @ONLY)
configure_file(${packaging_source}/changelog.in ${packaging_build}/changelog @ONLY)

# The PNG icons, drawn from the SVG at build time.
find_program(RSVG_CONVERT rsvg-convert REQUIRED DOC "SVG rasteriser (Debian: librsvg2-bin)")
set(icon_svg ${packaging_source}/icon.svg)
set(installed_files)
foreach(size 16 24 32 48 64 128 256)
  set(png ${packaging_build}/icons/${size}x${size}/${TABLOX_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${packaging_build}/icons/${size}x${size}
                     COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${icon_svg}
                     DEPENDS ${icon_svg} VERBATIM)
  list(APPEND installed_files ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# The manual page and the changelog, compressed without a time stamp as Debian wants them.
foreach(document tablox.1 changelog)
  add_custom_command(OUTPUT ${packaging_build}/${document}.gz
                     COMMAND gzip -9 --no-name --keep --force ${packaging_build}/${document}
                     DEPENDS ${packaging_build}/${document} VERBATIM)
  list(APPEND installed_files ${packaging_build}/${document}.gz)
endforeach()
# Built with the program, and on their own for `make install` and `make package`.
add_custom_target(tablox_install_files ALL DEPENDS ${installed_files})
add_dependencies(tablox_install_files tablox)

# Installing and packaging need only the program and these files (built by the target
# tablox_install_files), not the tests as well.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                                GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
install(TARGETS tablox RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${packaging_build}/${TABLOX_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${TABLOX_APP_ID}.svg)
install(FILES ${packaging_build}/${TABLOX_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging_build}/tablox.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/LICENSE ${packaging_source}/copyright
              ${packaging_build}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The operator's guide and its pictures, laid out as in the source tree, so that the
# README's links to them hold where they are installed too.
install(FILES ${CMAKE_SOURCE_DIR}/docs/guide.md DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/images DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs
        FILES_MATCHING PATTERN "*.png")

# `make package`: a .deb installing under /usr, its dependencies found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tablox)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "TABLOX maintainers <maintainers@tablox.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "workshop calculator for cutting steel sheet on shears")
set(CPACK_PACKAGE_DESCRIPTION
    "TABLOX answers the questions of a steel shearing shop: how to lay out
trapezoidal pieces along a strip, how many strips and sheets an order needs
and what they weigh, whether two mirrored trapezoids fit across a sheet, and
the weight or size of rings and weight plates cut from plate. The operator
picks a calculation from a numbered menu, types the dimensions and reads the
result beside a sketch of the sheet. It runs in a window of its own, or in a
terminal where there is no display.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

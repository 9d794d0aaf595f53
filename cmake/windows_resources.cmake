# The resources of tablox.exe: the icon drawn from packaging/icon.svg at 16 to 256
# pixels, the manifest and the version, from packaging/windows/. Sets TABLOX_WINDOWS_RC to
# the resource script to build into the program.
enable_language(RC)
find_program(RSVG_CONVERT rsvg-convert REQUIRED DOC "SVG rasteriser (Debian: librsvg2-bin)")
find_program(ICOTOOL icotool REQUIRED DOC "Windows icon maker (Debian: icoutils)")

set(windows_build ${CMAKE_BINARY_DIR}/packaging/windows)
set(icon_svg ${CMAKE_SOURCE_DIR}/packaging/icon.svg)
set(icon_images)
foreach(size 16 24 32 48 64 128 256)
  set(png ${windows_build}/icon-${size}.png)
  add_custom_command(OUTPUT ${png}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${windows_build}
                     COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${icon_svg}
                     DEPENDS ${icon_svg} VERBATIM)
  list(APPEND icon_images ${png})
endforeach()
# The smaller images become bitmaps; the 256-pixel one stays a PNG inside the icon, as
# Windows keeps that size.
set(TABLOX_ICON ${windows_build}/tablox.ico)
list(FILTER icon_images EXCLUDE REGEX "-256[.]png$")
add_custom_command(OUTPUT ${TABLOX_ICON}
                   COMMAND ${ICOTOOL} --create --output=${TABLOX_ICON} ${icon_images}
                           --raw=${windows_build}/icon-256.png
                   DEPENDS ${icon_images} ${windows_build}/icon-256.png VERBATIM)

# The version from project(): 2.0 is 2.0.0.0 to Windows.
set(TABLOX_FILE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0)
set(TABLOX_FILE_VERSION_COMMAS ${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},0,0)
set(TABLOX_MANIFEST ${windows_build}/tablox.manifest)
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/tablox.manifest.in ${TABLOX_MANIFEST} @ONLY)
set(TABLOX_WINDOWS_RC ${windows_build}/tablox.rc)
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/tablox.rc.in ${TABLOX_WINDOWS_RC} @ONLY)
set_source_files_properties(${TABLOX_WINDOWS_RC} PROPERTIES OBJECT_DEPENDS
                                                            "${TABLOX_ICON};${TABLOX_MANIFEST}")

# What Windows users download (make windows-package), both from tablox.exe:
#   tablox-<version>-setup.exe         the setup (NSIS; Debian's nsis provides makensis),
#                                      with the operator's guide as an HTML page
#   tablox-<version>-windows-x64.zip   tablox.exe, LICENSE.txt and README.txt
# The version is the project's. The licence and the read-me get Windows line ends. The
# setup's icon (TABLOX_ICON) and four-part version (TABLOX_FILE_VERSION) are those of the
# program, from cmake/windows_resources.cmake.
set(TABLOX_PUBLISHER "the TABLOX developers")
set(TABLOX_SETUP ${CMAKE_BINARY_DIR}/tablox-${PROJECT_VERSION}-setup.exe)
set(TABLOX_ZIP ${CMAKE_BINARY_DIR}/tablox-${PROJECT_VERSION}-windows-x64.zip)

# The three files, as both deliver them, side by side: the program without its debugging
# information and symbols (a tenth of the size), and the texts with Windows line ends.
set(package_dir ${CMAKE_BINARY_DIR}/packaging/windows)
set(TABLOX_EXE ${package_dir}/tablox.exe)
set(TABLOX_LICENSE_TXT ${package_dir}/LICENSE.txt)
set(TABLOX_README_TXT ${package_dir}/README.txt)
add_custom_command(OUTPUT ${TABLOX_EXE}
                   COMMAND ${CMAKE_STRIP} --strip-all -o ${TABLOX_EXE} $<TARGET_FILE:tablox>
                   DEPENDS tablox VERBATIM)
configure_file(${CMAKE_SOURCE_DIR}/LICENSE ${TABLOX_LICENSE_TXT} @ONLY NEWLINE_STYLE CRLF)
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/README.txt.in ${TABLOX_README_TXT} @ONLY
               NEWLINE_STYLE CRLF)
set(package_files ${TABLOX_EXE} ${TABLOX_LICENSE_TXT} ${TABLOX_README_TXT})

# The operator's guide, one HTML page with its pictures, for the setup's Start menu entry.
set(TABLOX_GUIDE_DIR ${package_dir}/guide)
file(GLOB guide_images CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/images/*.png)
add_custom_command(OUTPUT ${TABLOX_GUIDE_DIR}/guide.html
                   COMMAND bash ${CMAKE_SOURCE_DIR}/packaging/windows/guide_html.sh
                           ${CMAKE_SOURCE_DIR}/docs/guide.md ${TABLOX_GUIDE_DIR} ${PROJECT_VERSION}
                   DEPENDS ${CMAKE_SOURCE_DIR}/docs/guide.md ${guide_images}
                           ${CMAKE_SOURCE_DIR}/packaging/windows/guide_html.sh VERBATIM)

configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/setup.nsi.in ${package_dir}/setup.nsi @ONLY)
add_custom_command(OUTPUT ${TABLOX_SETUP}
                   COMMAND makensis -V2 -WX ${package_dir}/setup.nsi
                   DEPENDS ${package_dir}/setup.nsi ${package_files} ${TABLOX_ICON}
                           ${TABLOX_GUIDE_DIR}/guide.html VERBATIM)

add_custom_command(OUTPUT ${TABLOX_ZIP}
                   COMMAND ${CMAKE_COMMAND} -E rm -f ${TABLOX_ZIP}
                   COMMAND ${CMAKE_COMMAND} -E tar cf ${TABLOX_ZIP} --format=zip tablox.exe LICENSE.txt
                           README.txt
                   WORKING_DIRECTORY ${package_dir}
                   DEPENDS ${package_files} VERBATIM)

add_custom_target(tablox_windows_package DEPENDS ${TABLOX_SETUP} ${TABLOX_ZIP})


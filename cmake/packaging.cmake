# The Debian package: `cpack` in a build folder makes lumetra_VERSION_ARCH.deb from the
# install rules, so it holds exactly what `cmake --install` would put under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumetra)
set(CPACK_PACKAGE_VENDOR Lumetra)
set(CPACK_PACKAGE_CONTACT "Lumetra maintainers <maintainers@users.noreply.c-seed-c75b5221.example>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "split, correct, synchronize and convert subtitles")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Lumetra works on movie subtitles in the MicroDVD (.sub) and SubRip (.srt)\n"
    "formats: it splits a subtitle into parts, repairs typical character errors,\n"
    "changes the frame rate, shifts every entry in time, deletes the sound\n"
    "comments of subtitles for the deaf, converts between the two formats and\n"
    "guesses the frame rate from the movie's length. The result is written beside\n"
    "the input, which is never changed.\n"
    "\n"
    "The package holds the window program (lumetra) and the command-line tool\n"
    "(lumetra-cli), which runs the same operations on many files at once.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# dpkg-shlibdeps reads the libraries the binaries link. Plugins that Qt loads at run time are
# invisible to it: the SVG image plugin draws the window icon, and without the Wayland
# platform plugin the window falls back to XWayland.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/packaging_checks.cmake)
if(LUMETRA_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt6svg6)
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
endif()

include(CPack)

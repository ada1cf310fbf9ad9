# Read by cpack before it packs. Without dpkg-shlibdeps CPack would quietly make a .deb that
# names none of the libraries the programs need, so stop instead.
if(CPACK_GENERATOR STREQUAL "DEB")
  find_program(LUMETRA_SHLIBDEPS dpkg-shlibdeps)
  if(NOT LUMETRA_SHLIBDEPS)
    message(FATAL_ERROR "dpkg-shlibdeps is missing (apt-get install dpkg-dev): it works out "
                        "which libraries the package depends on")
  endif()
endif()

# What a Debian package carries besides the programs: the licence, the changelog and a manual
# page for each program, compressed as Debian wants them.
include(GNUInstallDirs)
set(lumetra_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/lumetra)
set(lumetra_man_dir ${CMAKE_INSTALL_MANDIR}/man1)
set(lumetra_documents ${PROJECT_BINARY_DIR}/documents)
find_program(LUMETRA_GZIP gzip REQUIRED)

# gzip -9n: no name or time stamp inside, so the same input packs to the same bytes.
function(lumetra_gzip source output)
  add_custom_command(OUTPUT ${output}
                     COMMAND ${LUMETRA_GZIP} -9nc ${source} > ${output}
                     DEPENDS ${source} VERBATIM)
endfunction()

file(MAKE_DIRECTORY ${lumetra_documents})
lumetra_gzip(${PROJECT_SOURCE_DIR}/data/changelog ${lumetra_documents}/changelog.gz)
set(lumetra_compressed ${lumetra_documents}/changelog.gz)

add_custom_command(OUTPUT ${lumetra_documents}/lumetra-cli.1
                   COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:lumetra-cli> -DNAME=lumetra-cli
                           "-DSUMMARY=split, correct, synchronize and convert subtitles from the command line"
                           -DVERSION=${PROJECT_VERSION} -DOUTPUT=${lumetra_documents}/lumetra-cli.1
                           -P ${PROJECT_SOURCE_DIR}/cmake/help_to_man.cmake
                   DEPENDS lumetra-cli ${PROJECT_SOURCE_DIR}/cmake/help_to_man.cmake VERBATIM)
lumetra_gzip(${lumetra_documents}/lumetra-cli.1 ${lumetra_documents}/lumetra-cli.1.gz)
list(APPEND lumetra_compressed ${lumetra_documents}/lumetra-cli.1.gz)
install(FILES ${lumetra_documents}/lumetra-cli.1.gz DESTINATION ${lumetra_man_dir})
if(LUMETRA_GUI)
  lumetra_gzip(${PROJECT_SOURCE_DIR}/data/lumetra.1 ${lumetra_documents}/lumetra.1.gz)
  list(APPEND lumetra_compressed ${lumetra_documents}/lumetra.1.gz)
  install(FILES ${lumetra_documents}/lumetra.1.gz DESTINATION ${lumetra_man_dir})
endif()
add_custom_target(documents ALL DEPENDS ${lumetra_compressed})

install(FILES ${PROJECT_SOURCE_DIR}/data/copyright ${lumetra_documents}/changelog.gz
        DESTINATION ${lumetra_doc_dir})

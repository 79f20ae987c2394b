# Where an install puts the system, below the prefix: the three programs and the manual in a
# folder of their own, where they find each other; links to the programs in bin; the README
# with the documentation of the system's other packages.
set(VT_INSTALL_PROGRAMM_DIR lib/vantrel2026)
set(VT_INSTALL_DOC_DIR share/doc/vantrel2026)

# A symbolic link at `link` pointing to `ziel`, both below the prefix. The link is relative, so
# that it holds in a package and under any prefix.
function(vt_link_installieren link ziel)
    cmake_path(GET link PARENT_PATH ordner)
    cmake_path(RELATIVE_PATH ziel BASE_DIRECTORY ${ordner} OUTPUT_VARIABLE relativ)
    install(CODE "file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ordner}\")
        file(CREATE_LINK \"${relativ}\" \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${link}\" SYMBOLIC)")
endfunction()

# A program into the programs' folder, and its link in bin.
function(vt_programm_installieren programm)
    install(TARGETS ${programm} RUNTIME DESTINATION ${VT_INSTALL_PROGRAMM_DIR})
    vt_link_installieren(bin/${programm} ${VT_INSTALL_PROGRAMM_DIR}/${programm})
endfunction()

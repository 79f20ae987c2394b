# Run by cmake --install: writes the desktop's menu entry of the main program for the prefix
# installed into. The program's path is quoted in the Exec key: " ` $ and \ get a backslash,
# then every backslash is doubled as in any value of the file, and a percent sign is doubled.
set(programm "${CMAKE_INSTALL_PREFIX}/bin/Vantrl32")
string(REPLACE "\\" "\\\\" programm "${programm}")
foreach(zeichen "\"" "`" "$")
    string(REPLACE "${zeichen}" "\\${zeichen}" programm "${programm}")
endforeach()
string(REPLACE "\\" "\\\\" programm "${programm}")
string(REPLACE "%" "%%" VT_PROGRAMM "${programm}")
configure_file("${VT_EINTRAG_VORLAGE}" "${VT_EINTRAG_ENTWURF}" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" TYPE FILE
     FILES "${VT_EINTRAG_ENTWURF}")

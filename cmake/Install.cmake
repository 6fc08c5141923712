# What `cmake --install` puts where, and the Debian package `make package`
# builds from it with CPack.

set(LEXICOUNT_DESKTOP_ID io.github.lexicount.Lexicount)
set(LEXICOUNT_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/data/desktop)

if(TARGET lexicount)
  install(TARGETS lexicount RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET lexicount-cli)
  install(TARGETS lexicount-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The program's folder: texts, common words and the manual it links to.
file(GLOB LEXICOUNT_COMMON_WORDS ${CMAKE_SOURCE_DIR}/data/cwds_*.txt)
install(FILES ${CMAKE_SOURCE_DIR}/data/tly.dat ${LEXICOUNT_COMMON_WORDS}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lexicount)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DATADIR}/lexicount/docs
        FILES_MATCHING PATTERN "*.html" PATTERN "*.png" PATTERN "sample.txt")

# Desktop integration.
install(FILES ${LEXICOUNT_DESKTOP_DIR}/${LEXICOUNT_DESKTOP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${LEXICOUNT_DESKTOP_DIR}/${LEXICOUNT_DESKTOP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${LEXICOUNT_DESKTOP_DIR}/lexicount.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 128 256)
  install(FILES ${LEXICOUNT_DESKTOP_DIR}/lexicount-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME lexicount.png)
endforeach()
install(FILES ${LEXICOUNT_DESKTOP_DIR}/lexicount-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME lexicount-cli)

# Manual pages and the package's documents, compressed as Debian wants them.
set(LEXICOUNT_GZIPPED_DIR ${CMAKE_BINARY_DIR}/gzipped)
set(LEXICOUNT_GZIPPED "")
foreach(source lexicount.1 lexicount-cli.1 changelog)
  set(gzipped ${LEXICOUNT_GZIPPED_DIR}/${source}.gz)
  add_custom_command(
    OUTPUT ${gzipped}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${LEXICOUNT_GZIPPED_DIR}
    COMMAND gzip -9 -n -c ${LEXICOUNT_DESKTOP_DIR}/${source} > ${gzipped}
    DEPENDS ${LEXICOUNT_DESKTOP_DIR}/${source}
    VERBATIM)
  list(APPEND LEXICOUNT_GZIPPED ${gzipped})
endforeach()
add_custom_target(lexicount_gzipped ALL DEPENDS ${LEXICOUNT_GZIPPED})
install(FILES ${LEXICOUNT_GZIPPED_DIR}/lexicount.1.gz ${LEXICOUNT_GZIPPED_DIR}/lexicount-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${LEXICOUNT_GZIPPED_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lexicount)
set(CPACK_PACKAGE_VENDOR "The Lexicount developers")
set(CPACK_PACKAGE_CONTACT "The Lexicount developers <lexicount@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word frequency counter for text, docx and odt files")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Lexicount counts every different word of a text file, a docx or odt\n"
    "document or the clipboard, under rules you choose, and lists the words by\n"
    "frequency or alphabetically in ten layouts, on screen and in an output\n"
    "file for spreadsheets. lexicount-cli does the same from the command line.")
string(REPLACE ";" "" CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

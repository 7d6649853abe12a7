# Installation and the Debian package (cpack -G DEB, see scripts/pacote): the program,
# the batch tool and its PDF twin side by side in bin/ (the tool finds the twin beside
# itself), the desktop entry, the project MIME type, the icon, the manual pages and the
# examples.
include(GNUInstallDirs)
# Packing installs only what scripts/pacote built (the program, the tools and the manual
# pages), not the tests and benchmarks of the whole tree.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS norvik1d-lote RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(NORVIK_JANELAS)
  install(TARGETS norvik1d norvik1d-lote-pdf RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES pacote/norvik1d.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES pacote/norvik1d-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME norvik1d.xml)
  install(FILES pacote/norvik1d.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# Debian ships manual pages compressed.
find_program(GZIP_EXECUTAVEL gzip)
foreach(pagina norvik1d-lote norvik1d)
  set(origem ${CMAKE_SOURCE_DIR}/pacote/${pagina}.1)
  if(GZIP_EXECUTAVEL)
    set(destino ${CMAKE_BINARY_DIR}/man/${pagina}.1.gz)
    add_custom_command(OUTPUT ${destino}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND ${GZIP_EXECUTAVEL} -9 -n -c ${origem} > ${destino}
      DEPENDS ${origem} VERBATIM)
    list(APPEND PAGINAS_MANUAL ${destino})
  else()
    list(APPEND PAGINAS_MANUAL ${origem})
  endif()
endforeach()
add_custom_target(paginas_manual ALL DEPENDS ${PAGINAS_MANUAL})
install(FILES ${PAGINAS_MANUAL} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

install(DIRECTORY exemplos/ DESTINATION ${CMAKE_INSTALL_DATADIR}/norvik1d/exemplos)
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/norvik1d)

set(CPACK_PACKAGE_NAME norvik1d)
set(CPACK_PACKAGE_VENDOR "Norvik 1D")
set(CPACK_PACKAGE_CONTACT "Norvik 1D <norvik1d@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Análise térmica e termotensional de membros maciços de concreto em camadas")
set(CPACK_PACKAGE_DESCRIPTION
    "Calcula a temperatura do concreto massa construído em camadas (barragens, blocos de fundação,\nparedes espessas) a partir do calor de hidratação e do clima, e as tensões térmicas do concreto\njovem com fluência contra a resistência crescente. Inclui o programa de janelas e a ferramenta\nde lote norvik1d-lote.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies from the shared libraries the binaries link (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_INSTALL_DIRECTORY norvik1d)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
include(CPack)

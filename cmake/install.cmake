# What `cmake --install` puts in place, and so what the packages hold.
#
# Unix: the program in bin/, its manual page, and the Debian copyright file,
# changelog, README and licence in share/doc/bitstuffing/.
# Windows: bitstuffing.exe with README.txt and LICENSE.txt beside it, as
# text files with CRLF line ends that any Windows editor opens.
include(GNUInstallDirs)

set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    "${PROJECT_SOURCE_DIR}/README.md" "${PROJECT_SOURCE_DIR}/LICENSE")

if(WIN32)
    install(TARGETS bitstuffing RUNTIME DESTINATION .)
    foreach(document IN ITEMS README.md LICENSE)
        file(READ "${PROJECT_SOURCE_DIR}/${document}" text)
        string(REPLACE "\n" "\r\n" text "${text}")
        get_filename_component(name "${document}" NAME_WE)
        file(WRITE "${PROJECT_BINARY_DIR}/${name}.txt" "${text}")
        install(FILES "${PROJECT_BINARY_DIR}/${name}.txt" DESTINATION .)
    endforeach()
    return()
endif()

install(TARGETS bitstuffing RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Manual page and changelog are installed compressed, as Debian wants them;
# gzip -n leaves out the file's name and time, so the bytes do not vary.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(compressed_documents)
foreach(source IN ITEMS man/bitstuffing.1 packaging/changelog)
    get_filename_component(name "${source}" NAME)
    add_custom_command(
        OUTPUT "${PROJECT_BINARY_DIR}/${name}.gz"
        COMMAND "${GZIP_PROGRAM}" -9 -n -c "${PROJECT_SOURCE_DIR}/${source}" > "${PROJECT_BINARY_DIR}/${name}.gz"
        DEPENDS "${PROJECT_SOURCE_DIR}/${source}"
        COMMENT "Compressing ${source}"
        VERBATIM)
    list(APPEND compressed_documents "${PROJECT_BINARY_DIR}/${name}.gz")
endforeach()
add_custom_target(bitstuffing_documents ALL DEPENDS ${compressed_documents})

set(doc_dir "${CMAKE_INSTALL_DATADIR}/doc/${PROJECT_NAME}")
install(FILES "${PROJECT_BINARY_DIR}/bitstuffing.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
install(FILES "${PROJECT_SOURCE_DIR}/packaging/copyright" "${PROJECT_BINARY_DIR}/changelog.gz"
    "${PROJECT_SOURCE_DIR}/README.md" "${PROJECT_SOURCE_DIR}/LICENSE"
    DESTINATION "${doc_dir}")

# The changelog's newest entry must be for the version being built.
file(STRINGS "${PROJECT_SOURCE_DIR}/packaging/changelog" newest_entry LIMIT_COUNT 1)
if(NOT newest_entry MATCHES "^${PROJECT_NAME} \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog starts with \"${newest_entry}\": add an entry for version ${PROJECT_VERSION}")
endif()

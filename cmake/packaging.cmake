# Packages made with CPack from what cmake/install.cmake installs:
#   Linux:   bitstuffing_<version>_<arch>.deb and bitstuffing-<version>-Linux.tar.gz
#   Windows: bitstuffing-<version>-win32.zip (win64 for a 64-bit build)
# `cpack` in the build folder makes them; so do the package presets.
set(CPACK_PACKAGE_NAME "${PROJECT_NAME}")
set(CPACK_PACKAGE_VENDOR "The bitstuffing authors")
set(CPACK_PACKAGE_CONTACT "bitstuffing maintainers <maintainers@bitstuffing.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "demonstration of bit stuffing by zero-bit insertion")
set(CPACK_PACKAGE_DESCRIPTION [=[
Bit-oriented link framing marks each frame with the flag 01111110. So that
the data inside a frame never looks like the flag, the sender inserts a 0
bit after every run of five 1 bits and the receiver removes it again.
.
Each run of bitstuffing draws 25 pseudo-random bits, prints them, applies
this zero-bit insertion and prints the result, so that the rule can be seen
at work.]=])
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_RESOURCE_FILE_README "${PROJECT_SOURCE_DIR}/README.md")
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/")

if(WIN32)
    set(CPACK_GENERATOR ZIP)
else()
    set(CPACK_GENERATOR DEB TGZ)
endif()

# Debian package.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

# The archives hold the files' modification times, which a build sets to
# when it ran; with SOURCE_DATE_EPOCH set, the staged files take that time
# instead.  (The Debian generator uses SOURCE_DATE_EPOCH by itself.)
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/fix-package-times.cmake")

include(CPack)

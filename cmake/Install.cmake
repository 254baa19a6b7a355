# What `cmake --install` puts where, and the Debian package CPack makes of it:
#   bin/               the player, the tools, and nimbus-demo, which plays the bundled show
#   share/nimbus/      demo.dat (the bundled show, packed), the show's shaders for
#                      authors to start from, and the class reference (docs/classes.md)
#   share/man/man1/    a manual page for each command, from docs/man/
#   share/doc/nimbus/  the copyright and the package's changelog
include(GNUInstallDirs)
set(NIMBUS_DATA_DIR ${CMAKE_INSTALL_DATADIR}/nimbus)
# Folders the install makes get these whatever the umask, as a package's must.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The preview tool is installed with the others once the build makes it.
foreach(program nimbus nimbus-capture nimbus-check nimbus-pack nimbus-preview)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

# The bundled show, packed as the player reads it.
set(DEMO_ARCHIVE ${CMAKE_BINARY_DIR}/packaging/demo.dat)
file(GLOB DEMO_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/examples/demo/*)
add_custom_command(OUTPUT ${DEMO_ARCHIVE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
  COMMAND nimbus-pack ${DEMO_DIR} ${DEMO_ARCHIVE}
  DEPENDS nimbus-pack demo_production ${DEMO_DIR}/tune.ogg ${DEMO_SOURCES}
  COMMENT "Packing the bundled show for installation")
add_custom_target(demo_archive ALL DEPENDS ${DEMO_ARCHIVE})
install(FILES ${DEMO_ARCHIVE} DESTINATION ${NIMBUS_DATA_DIR})

# The player finds its show from its own name, so nimbus-demo starts it under the
# name of the installed show, found relative to the script wherever the tree lies.
file(RELATIVE_PATH DEMO_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/nimbus)
configure_file(packaging/nimbus-demo.in ${CMAKE_BINARY_DIR}/packaging/nimbus-demo @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/nimbus-demo DESTINATION ${CMAKE_INSTALL_BINDIR})

file(GLOB DEMO_SHADERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/examples/demo/*.glvert
     ${CMAKE_SOURCE_DIR}/examples/demo/*.glfrag)
install(FILES ${DEMO_SHADERS} DESTINATION ${NIMBUS_DATA_DIR}/shaders)
# The reference of the document's classes, beside the shaders to start from.
install(FILES ${CMAKE_SOURCE_DIR}/docs/classes.md DESTINATION ${NIMBUS_DATA_DIR})

# Manual pages and the changelog carry the version and are installed compressed, as
# Debian keeps them; -n leaves the name and time out, so the same text gives the
# same file.
function(nimbus_gzip_file source packed)
  get_filename_component(name ${packed} NAME_WLE)
  get_filename_component(folder ${packed} DIRECTORY)
  add_custom_command(OUTPUT ${packed}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${folder}/${name}
    COMMAND gzip -9nf ${folder}/${name}
    DEPENDS ${source} VERBATIM)
endfunction()

file(GLOB MAN_PAGES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/man/*.[1-9])
set(PACKED_DOCS)
foreach(page ${MAN_PAGES})
  get_filename_component(name ${page} NAME)
  string(REGEX REPLACE ".*\\.([1-9])$" "\\1" section ${name})
  configure_file(${page} ${CMAKE_BINARY_DIR}/packaging/pages/${name} @ONLY)
  set(packed ${CMAKE_BINARY_DIR}/packaging/man/${name}.gz)
  nimbus_gzip_file(${CMAKE_BINARY_DIR}/packaging/pages/${name} ${packed})
  install(FILES ${packed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
  list(APPEND PACKED_DOCS ${packed})
endforeach()

configure_file(packaging/changelog.in ${CMAKE_BINARY_DIR}/packaging/pages/changelog @ONLY)
nimbus_gzip_file(${CMAKE_BINARY_DIR}/packaging/pages/changelog
                 ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
list(APPEND PACKED_DOCS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
add_custom_target(packed_docs ALL DEPENDS ${PACKED_DOCS})

# The Debian package: scripts/package.sh builds it. Its dependencies are the shared
# libraries the programs link, as dpkg-shlibdeps finds them, and the two that SDL
# opens only at run time to make the OpenGL context: libGL for X11, libEGL for
# Wayland and KMS/DRM. ffmpeg only serves the capture tool's video export, so it is
# suggested rather than required.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME nimbus)
set(CPACK_PACKAGE_CONTACT "Nimbus maintainers <maintainers@nimbus.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "real-time audiovisual demo player with OpenGL")
set(CPACK_PACKAGE_DESCRIPTION "\
One player plays one production: a scene document, its images, shaders and
music, packed in an archive named after the player. The player opens a
full-screen window, starts the music and draws the production's timeline of
parts: meshes, sprites, particles, a real-time raytracer and an isosurface.

The package holds the player, a bundled show (nimbus-demo plays it) and the
authoring tools: nimbus-pack packs a production, nimbus-check checks one
without a display, and nimbus-capture writes its frames as pictures or
exports it as a video.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1, libegl1")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS ffmpeg)
set(CPACK_STRIP_FILES ON)
include(CPack)

# The Debian package (make package): the programs in a private folder with the
# engine beside them, since each loads libKeldraEngine.so from the folder of
# its own executable (/proc/self/exe, symlinks resolved); links to them on the
# PATH; the example projects, user guide and manual pages; and the desktop
# entry, icons, file type and AppStream description.
if(NOT KELDRA_BUILD_APP OR KELDRA_SANITIZE)
  return()
endif()

find_program(KELDRA_HELP2MAN help2man)
find_program(KELDRA_RSVG_CONVERT rsvg-convert)
if(NOT KELDRA_HELP2MAN OR NOT KELDRA_RSVG_CONVERT)
  message(STATUS "No Debian package: help2man and rsvg-convert are needed "
                 "(scripts/install-deps.sh installs them)")
  return()
endif()

set(KELDRA_ID com.tarvos.keldra)
set(KELDRA_PROGRAM_DIR lib/keldra)
set(KELDRA_DOC_DIR share/doc/keldra)
set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(staged_dir ${CMAKE_BINARY_DIR}/packaging)

# The command-line tools: each gets a link on the PATH and a manual page made
# from its --help, with the one-line description of the page's NAME section.
set(keldra_tools keldra-run)
set(keldra-run_NAME "run the KELDRA engine on retaining-wall projects")
if(TARGET keldra-project)
  list(APPEND keldra_tools keldra-project)
  set(keldra-project_NAME "check and convert KELDRA project data files")
  list(APPEND keldra_tools keldra-study)
  set(keldra-study_NAME "design studies from many runs of varied KELDRA projects")
endif()
if(TARGET keldra-report)
  list(APPEND keldra_tools keldra-report)
  set(keldra-report_NAME "write the calculation report of a KELDRA project as PDF")
endif()

install(TARGETS KeldraApp ${keldra_tools} RUNTIME DESTINATION ${KELDRA_PROGRAM_DIR})
install(TARGETS KeldraEngine LIBRARY DESTINATION ${KELDRA_PROGRAM_DIR})

# Relative links, so that the tree also works unpacked anywhere.
file(MAKE_DIRECTORY ${staged_dir}/bin)
foreach(link keldra:KeldraApp ${keldra_tools})
  string(REPLACE ":" ";" link "${link}")
  list(GET link 0 name)
  list(GET link -1 program)
  file(CREATE_LINK ../${KELDRA_PROGRAM_DIR}/${program} ${staged_dir}/bin/${name} SYMBOLIC)
  install(FILES ${staged_dir}/bin/${name} DESTINATION bin)
endforeach()

set(generated_files)
foreach(tool ${keldra_tools})
  set(page ${staged_dir}/man/${tool}.1)
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${staged_dir}/man
    COMMAND ${KELDRA_HELP2MAN} --no-info --version-string=${PROJECT_VERSION}
            "--name=${${tool}_NAME}" --output=${page} $<TARGET_FILE:${tool}>
    COMMAND gzip -9nf ${page}
    DEPENDS ${tool}
    COMMENT "Manual page of ${tool}"
    VERBATIM)
  list(APPEND generated_files ${page}.gz)
  install(FILES ${page}.gz DESTINATION share/man/man1)
endforeach()

# The program's icon and the project files' icon in the sizes desktops look for.
foreach(icon apps/${KELDRA_ID} mimetypes/application-x-keldra-project)
  get_filename_component(name ${icon} NAME)
  get_filename_component(context ${icon} DIRECTORY)
  set(svg ${packaging_dir}/icons/${name}.svg)
  install(FILES ${svg} DESTINATION share/icons/hicolor/scalable/${context})
  foreach(size 16 22 24 32 48 64 128 256)
    set(png ${staged_dir}/icons/${size}x${size}/${context}/${name}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${staged_dir}/icons/${size}x${size}/${context}
      COMMAND ${KELDRA_RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${svg}
      DEPENDS ${svg}
      VERBATIM)
    list(APPEND generated_files ${png})
    install(FILES ${png} DESTINATION share/icons/hicolor/${size}x${size}/${context})
  endforeach()
endforeach()
add_custom_target(keldra_package_files ALL DEPENDS ${generated_files})

# AppStream names the binaries the package provides.
list(TRANSFORM keldra_tools PREPEND "    <binary>" OUTPUT_VARIABLE provided)
list(TRANSFORM provided APPEND "</binary>")
list(JOIN provided "\n" KELDRA_PROVIDED_TOOLS)
configure_file(${packaging_dir}/${KELDRA_ID}.metainfo.xml.in
  ${staged_dir}/${KELDRA_ID}.metainfo.xml @ONLY)

install(FILES ${packaging_dir}/${KELDRA_ID}.desktop DESTINATION share/applications)
install(FILES ${staged_dir}/${KELDRA_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${packaging_dir}/keldra-mime.xml DESTINATION share/mime/packages RENAME keldra.xml)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/app/main/help/userguide.html
  ${packaging_dir}/copyright DESTINATION ${KELDRA_DOC_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION share/keldra/examples
  FILES_MATCHING PATTERN "*.kd5d" PATTERN "README.md")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME keldra)
set(CPACK_PACKAGE_VENDOR Tarvos)
set(CPACK_PACKAGE_CONTACT "KELDRA maintainers <keldra@tarvos.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "analysis of flexible retaining walls by the p-y method")
list(JOIN keldra_tools ", " tool_names)
# Lines of the control file's description stay within 80 columns.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
KELDRA analyses cantilevered and anchored sheet-pile and soldier-pile walls.
The wall is a beam-column on nonlinear soil springs: it carries earth
pressure, water and surcharges on the backfill side and is held by p-y soil
springs below the excavation, by tiebacks and by specified deflections or
slopes, in up to five construction stages or a short-term analysis followed
by a long-term one.

The package holds the desktop program (keldra), the command-line tools
(@tool_names@) and example projects.]])
string(CONFIGURE "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}" CPACK_DEBIAN_PACKAGE_DESCRIPTION @ONLY)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The shared libraries the programs link come from dpkg-shlibdeps. Mesa's
# drivers, which draw the OpenGL views, are loaded at run time instead; Qt's
# X11 and SVG plugins come with the Qt libraries linked, its Wayland plugin is
# a separate package (without it Qt draws through XWayland).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1-mesa-dri")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)

add_test(NAME package COMMAND bash ${packaging_dir}/package-test.sh ${CMAKE_BINARY_DIR})

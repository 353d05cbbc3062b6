# The Debian packages, made by `cpack -G DEB` in the build directory:
#   rswizard      the programs, their help file, manual pages, examples and HDL sources;
#   rswizard-gui  the GUI module and the Qt it links, so that a machine without a display
#                 installs the console part alone.
# Install rules that name no component land in rswizard (CMAKE_INSTALL_DEFAULT_COMPONENT_NAME
# is set before the subdirectories are added). Included last, after every install rule.

set(rs_doc_dir share/doc/${PROJECT_NAME})

# --- data layout ---------------------------------------------------------------------------
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION share/rswizard/examples)

# Debian keeps the copyright and the changelog in every package's own documentation folder.
find_program(RS_GZIP gzip)
set(rs_changelog_gz ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
add_custom_command(OUTPUT ${rs_changelog_gz}
                   COMMAND ${RS_GZIP} -9n -c ${PROJECT_SOURCE_DIR}/packaging/changelog > ${rs_changelog_gz}
                   DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog VERBATIM)
add_custom_target(rs_package_changelog ALL DEPENDS ${rs_changelog_gz})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${rs_changelog_gz} DESTINATION ${rs_doc_dir})
# The console interface's guide, and the block's, which every generated design names.
install(FILES ${PROJECT_SOURCE_DIR}/docs/console.md ${PROJECT_SOURCE_DIR}/docs/hdl.md
        DESTINATION ${rs_doc_dir})
if(TARGET rswizard_qt)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${rs_changelog_gz}
          DESTINATION ${rs_doc_dir}-gui COMPONENT gui)
endif()

# A new version needs its changelog entry: the package would otherwise describe another one.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog rs_changelog_head LIMIT_COUNT 1)
if(NOT rs_changelog_head MATCHES "^${PROJECT_NAME} \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog does not start with version ${PROJECT_VERSION}")
endif()

# Debian wants manual pages compressed at the highest level, without name or time stamp. Every
# page this project installed (the manager's too) is compressed in place, and the manifest says
# so; pages of other programs in a shared prefix are left alone. The manifest's names lack the
# DESTDIR that cpack installs under.
install(CODE "
  set(rs_installed)
  foreach(file IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
    if(file MATCHES \"/share/man/man[1-9]/[^/]+\\\\.[1-9]\$\" AND EXISTS \"\$ENV{DESTDIR}\${file}\")
      execute_process(COMMAND \"${RS_GZIP}\" -9nf \"\$ENV{DESTDIR}\${file}\" RESULT_VARIABLE failed)
      if(failed)
        message(FATAL_ERROR \"gzip could not compress \${file}\")
      endif()
      set(file \"\${file}.gz\")
    endif()
    list(APPEND rs_installed \"\${file}\")
  endforeach()
  set(CMAKE_INSTALL_MANIFEST_FILES \"\${rs_installed}\")
")

# --- package metadata -----------------------------------------------------------------------
set(RSWIZARD_PACKAGE_MAINTAINER "RS CODEC maintainers <rscodec@example.org>"
    CACHE STRING "Maintainer field of the Debian packages")
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${RSWIZARD_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE ${PROJECT_NAME})
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(rs_summary "Reed-Solomon encoder and decoder configuration wizard")
set(rs_about "The wizard sets up a Reed-Solomon encoder or decoder block (field, code
length, check symbols, first root, interface) page by page, in a window or
through a console interface that scripts can drive, and writes the block's
description, its Intel HEX tables and a test vector file.")
if(TARGET rsmanager)
  string(APPEND rs_about "
The companion program rsmanager turns the description into a synthesizable
Verilog design, a VHDL component declaration and a self-checking testbench.")
  set(CPACK_DEBIAN_RSWIZARD_PACKAGE_SUGGESTS "iverilog, verilator, yosys, ghdl")
endif()

set(CPACK_COMPONENTS_ALL rswizard)
set(CPACK_DEBIAN_RSWIZARD_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_DEBIAN_RSWIZARD_DESCRIPTION "${rs_summary}\n${rs_about}")
if(TARGET rswizard_qt)
  list(APPEND CPACK_COMPONENTS_ALL gui)
  set(CPACK_DEBIAN_RSWIZARD_PACKAGE_RECOMMENDS "${PROJECT_NAME}-gui")
  set(CPACK_DEBIAN_GUI_PACKAGE_NAME ${PROJECT_NAME}-gui)
  # The window needs a Qt platform plugin, and Liberation Sans for the pages' metrics.
  set(CPACK_DEBIAN_GUI_PACKAGE_DEPENDS
      "${PROJECT_NAME} (= ${PROJECT_VERSION}), qt6-qpa-plugins, fonts-liberation2")
  set(CPACK_DEBIAN_GUI_DESCRIPTION "${rs_summary} - graphical interface
The graphical interface of rswizard: the Qt module it opens when a display
is available. Without it the wizard runs through its console interface.")
endif()

include(CPack)

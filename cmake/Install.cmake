# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Install layout of a freedesktop application, and the Debian package built from it with
#   cpack -G DEB   (run in the build directory after building).
include(GNUInstallDirs)

set(KELVO_APP_ID "example.marvane.KelvoWizard")
set(KELVO_DATA_DIR "${PROJECT_SOURCE_DIR}/data")

if(TARGET kelvo-wizard)
  install(TARGETS kelvo-wizard RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(FILES "${KELVO_DATA_DIR}/${KELVO_APP_ID}.desktop"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${KELVO_DATA_DIR}/${KELVO_APP_ID}.metainfo.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The study file type; the mime database is rebuilt by shared-mime-info's trigger.
install(FILES "${KELVO_DATA_DIR}/${KELVO_APP_ID}.mime.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${KELVO_APP_ID}.xml)
foreach(size 16 32 48 256)
  install(FILES "${KELVO_DATA_DIR}/icons/hicolor/${size}x${size}/apps/kelvo-wizard.png"
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES "${KELVO_DATA_DIR}/icons/kelvo-wizard.svg"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# Today's research addresses, shipped beside the built-in ones but not used:
# only *.conf files of that folder are read.
install(FILES "${KELVO_DATA_DIR}/links/today.conf.example"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/kelvo-wizard/links)

# The licence, where Debian looks for a package's copyright.
install(FILES "${KELVO_DATA_DIR}/copyright" DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kelvo-wizard)

set(KELVO_MAINTAINER "Marvane <${KELVO_MAKER_EMAIL}>")
find_program(KELVO_GZIP gzip REQUIRED)
set(KELVO_DOC_DIR "${PROJECT_BINARY_DIR}/doc")
file(MAKE_DIRECTORY "${KELVO_DOC_DIR}")

# The changelog, in Debian's format, from the releases of the metainfo, so
# that what a release brings is written once. The version is not a Debian
# revision (1.1.0, not 1.1.0-1), so Debian calls the package native and looks
# for changelog.gz. Compressed as Debian wants it: -9, without name or time.
set(KELVO_METAINFO "${KELVO_DATA_DIR}/${KELVO_APP_ID}.metainfo.xml")
add_custom_command(
  OUTPUT "${KELVO_DOC_DIR}/changelog.gz"
  COMMAND ${CMAKE_COMMAND} -DMETAINFO=${KELVO_METAINFO} -DOUTPUT=${KELVO_DOC_DIR}/changelog
          -DPACKAGE=kelvo-wizard "-DMAINTAINER=${KELVO_MAINTAINER}"
          -P "${PROJECT_SOURCE_DIR}/cmake/DebianChangelog.cmake"
  COMMAND ${KELVO_GZIP} -9nf "${KELVO_DOC_DIR}/changelog"
  DEPENDS "${KELVO_METAINFO}" "${PROJECT_SOURCE_DIR}/cmake/DebianChangelog.cmake"
  COMMENT "Writing the changelog from the metainfo's releases"
  VERBATIM)
add_custom_target(kelvo_changelog ALL DEPENDS "${KELVO_DOC_DIR}/changelog.gz")
install(FILES "${KELVO_DOC_DIR}/changelog.gz" DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kelvo-wizard)

# The manual page: help2man reads the options from the program's own
# --help-all, so the page cannot drift from the parser, and
# data/kelvo-wizard.h2m adds what the help has no room for (files,
# environment, exit status). The help is read in English, and a build with
# AddressSanitizer does not fail it over a leak Qt keeps until exit.
option(KELVO_MAN_PAGE "Write the manual page with help2man" ON)
if(KELVO_MAN_PAGE AND TARGET kelvo-wizard)
  find_program(KELVO_HELP2MAN help2man)
  if(NOT KELVO_HELP2MAN)
    message(FATAL_ERROR "help2man writes the manual page: install the Debian package help2man, "
                        "or configure with -DKELVO_MAN_PAGE=OFF")
  endif()
  set(KELVO_MAN_INCLUDE "${KELVO_DATA_DIR}/kelvo-wizard.h2m")
  add_custom_command(
    OUTPUT "${KELVO_DOC_DIR}/kelvo-wizard.1.gz"
    COMMAND ${CMAKE_COMMAND} -E env --unset=LANGUAGE --unset=LC_MESSAGES LC_ALL=C.UTF-8
            LANG=C.UTF-8 ASAN_OPTIONS=detect_leaks=0
            ${KELVO_HELP2MAN} --no-info --section=1 --help-option=--help-all
            --version-option=--version --include=${KELVO_MAN_INCLUDE}
            --output=${KELVO_DOC_DIR}/kelvo-wizard.1 $<TARGET_FILE:kelvo-wizard>
    COMMAND ${KELVO_GZIP} -9nf "${KELVO_DOC_DIR}/kelvo-wizard.1"
    DEPENDS kelvo-wizard "${KELVO_MAN_INCLUDE}"
    COMMENT "Writing the manual page kelvo-wizard.1"
    VERBATIM)
  add_custom_target(kelvo_man_page ALL DEPENDS "${KELVO_DOC_DIR}/kelvo-wizard.1.gz")
  install(FILES "${KELVO_DOC_DIR}/kelvo-wizard.1.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# Debian package. Depends is worked out by dpkg-shlibdeps from the installed binary, so it names
# exactly the Qt and system libraries this build links against; the icon and menu caches are
# refreshed by the triggers of the packages that own them, so no maintainer scripts are needed.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "kelvo-wizard")
set(CPACK_PACKAGE_VENDOR "Marvane")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${KELVO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "training wizard for long-term stock investors")
# Lines under 80 columns, as Debian's tools show them.
set(CPACK_PACKAGE_DESCRIPTION
    "Kelvo Training Wizard walks the user through a fixed checklist for
judging one listed company: the business, its lasting competitive
advantages, its management and whether its price is a bargain against its
intrinsic value. Every page opens research web pages for the chosen
company in the desktop's web browser, and an intrinsic value calculator
works offline.

Windows beside the wizard set valuation methods side by side, keep a
study of each company, show where each research button leads, and show a
company's reported figures of ten years and more, downloaded from the SEC
when the user asks.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "kelvo-wizard")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_PACKAGE_NAME "kelvo-wizard")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KELVO_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://${KELVO_HOST_MAKER}/kelvo/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The captions are drawn in the classic sans serif the layout was measured
# with, so its face comes with the package; the links need a desktop opener.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

include(CPack)

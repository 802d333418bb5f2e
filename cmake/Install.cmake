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

# Debian package. Depends is worked out by dpkg-shlibdeps from the installed binary, so it names
# exactly the Qt and system libraries this build links against; the icon and menu caches are
# refreshed by the triggers of the packages that own them, so no maintainer scripts are needed.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "kelvo-wizard")
set(CPACK_PACKAGE_VENDOR "Marvane")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "Marvane <${KELVO_MAKER_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "training wizard for long-term stock investors")
set(CPACK_PACKAGE_DESCRIPTION
    "Kelvo Training Wizard walks the user through a fixed checklist for judging one listed
company: the business, its lasting competitive advantages, its management and whether
its price is a bargain against its intrinsic value. Every page opens research web pages
for the chosen company in the desktop's web browser, and an intrinsic value calculator
works offline.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "kelvo-wizard")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_PACKAGE_NAME "kelvo-wizard")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Marvane <${KELVO_MAKER_EMAIL}>")
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://${KELVO_HOST_MAKER}/kelvo/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The captions are drawn in the classic sans serif the layout was measured
# with, so its face comes with the package; the links need a desktop opener.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

include(CPack)

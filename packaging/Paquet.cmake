# The Debian package of `make package`: what `cmake --install` lays out, under /usr. Its
# dependencies are worked out from the binaries; Qt's translations are named here, since no binary
# links them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vimra)
set(CPACK_PACKAGE_VENDOR Vimra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "electric machine studies on the active-load bench")
set(CPACK_PACKAGE_DESCRIPTION
    "Vimra drives the active load of a teaching laboratory's electric-machine bench over Modbus RTU or
Modbus TCP: characteristics of the machine under study, mechanical loads and industrial applications,
tests recorded, saved, printed and copied, in French, English and Spanish. vimra-tool reads and
converts works and talks to the drive from a terminal; vimra-bench is a simulated bench, also built
into the program (vimra --demo).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vimra <vimra@localhost>")
include(CPack)

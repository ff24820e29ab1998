# `cpack` in a build folder makes mirvane_<version>_<arch>.deb of everything
# installed. The libraries it needs are found by dpkg-shlibdeps (libdate-tz3
# among them); Qt's platform plugins are loaded at run time, so no linker
# sees them, and neither is the zone database the times are read in: both
# are named by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mirvane)
set(CPACK_PACKAGE_VENDOR Tellwen)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Hebrew calendar beside the Gregorian one")
# Debian's control file wants the long description in short lines.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Mirvane shows a month grid with the Gregorian and the Jewish date of"
    "every day, its festival and, on Saturdays, the weekly Torah portion;"
    "the Jewish date of a birth or death and its anniversaries; the dates of"
    "festivals, fasts and special days for up to 200 years; and the details"
    "of any Jewish year, under the Diaspora or the Israel rules; and the"
    "times of the day, candle lighting, havdalah and fasts at any place."
    "mirvane-cli gives the same answers on the command line and exports"
    "them as calendar files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Mirvane maintainers <maintainers@mirvane.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations give its standard buttons and dialogs the user's
# language; the times of the day read the system's zone database.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, tzdata")

include(CPack)

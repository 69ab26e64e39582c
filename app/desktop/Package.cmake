# The Debian package (scripts/package.sh): the installed files and nothing
# else, with the libraries the binaries need found by dpkg-shlibdeps, and
# beside it the binaries' debug information as a -dbgsym package. Its file
# times are SOURCE_DATE_EPOCH, which scripts/package.sh sets.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME talvero-crm)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Talvero")
set(CPACK_PACKAGE_CONTACT "Talvero developers <developers@talvero.org>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Talvero developers <developers@talvero.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "customer relationship management for one salesperson")
# The synopsis comes first by itself; this is the text below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Talvero CRM keeps one salesperson's customers and their companies, sales
activities with a reminder in their minute, sales analyses moving through
their stages, products, employees and memos; it searches every table,
prints list reports and exchanges data with spreadsheets. The interface
is Chinese. The data stay in two password-protected database files in
the user's own folder.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://talvero.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries: the Simplified-Chinese fonts of the windows and the
# report pages, and the Chinese texts of Qt's own dialogs and buttons.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, fonts-wqy-microhei, qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The package's binaries lose their debug information to the -dbgsym package.
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
include(CPack)

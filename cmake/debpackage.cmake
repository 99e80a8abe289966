# The Debian package of the game, built by `make package` from a tree configured with
# VANTRY_DEBIAN_PACKAGE=ON and the prefix /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantry)
set(CPACK_PACKAGE_VENDOR "Vantry Maintainers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "race up the ladders and down the snakes, for up to four players")
# Kept to lines under 80 columns, as Debian's package tools show them unwrapped.
set(CPACK_PACKAGE_DESCRIPTION
"Vantry is a board game for up to four players at one computer: red, blue,
yellow and green race over a board of 100 squares, where ladders carry a
counter up and snakes carry it down again. The first counter to reach
square 100 wins.

Each seat is played by a person, with the mouse or the keyboard, or by the
computer. The ten best results are kept between games, and an unfinished
game can be saved and opened again.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_RELEASE ${VANTRY_DEBIAN_RELEASE})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vantry Maintainers <maintainers@vantry.example.org>")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so shlibdeps cannot see them: the window system plugins, the SVG picture
# and icon plugins, and the multimedia backends (bookworm ships them inside libqt6multimedia6).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, libqt6multimedia6")
# Qt's own texts (the message boxes' buttons, the file dialogs) in the player's language; the
# game's own translations are in the program.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)

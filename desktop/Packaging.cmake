# A Debian package of the installed game, made by CPack from the existing build:
#   cpack --preset release     (or ./scripts/package.sh from a fresh clone)
# Its dependencies are the Debian packages that hold the libraries the program links,
# as dpkg-shlibdeps finds them, and the fonts the card faces are drawn in.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lexabit-solitaire)
set(CPACK_PACKAGE_VENDOR "Corvane Press")
set(CPACK_PACKAGE_CONTACT "Corvane Press <lexabit@corvanepress.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word game for one player with letter cards")
# Lines of at most 79 characters, as Debian's tools show them.
set(CPACK_PACKAGE_DESCRIPTION
  "Spell one word at a time by dragging letter cards into a fanned column,\n\
check it against the word list, and use up the whole pack of 98 cards before\n\
the word timer runs out. Three levels, hints, the words you missed,\n\
statistics for each level, play by mouse or keyboard, numbered deals, a\n\
high-score table, nine card backs and a printed summary of every game.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CHECKSUM SHA256)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://corvanepress.example/lexabit-solitaire/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
# Menus and software centres pick up a new desktop entry and icon through dpkg triggers
# of their own packages; the package needs no scripts.

include(CPack)

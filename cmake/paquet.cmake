# The Debian package: `cpack -G DEB` in the build directory, or outils/paquet.sh.
# Everything installed goes under /usr; the libraries krn links against give the
# dependencies (dpkg-shlibdeps), to which are added the ones no link shows: Qt's plugins
# that open windows on the desktop.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME krn)
set(CPACK_PACKAGE_VENDOR KRN)
set(CPACK_PACKAGE_CONTACT "KRN <krn@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "aide aux paris hippiques : tiercés, quartés et quintés")
# Lines of the long description, as Debian shows them (a ";" would split a CMake list).
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "KRN aide le parieur à composer ses tiercés, quartés et quintés, à les\n"
       "chiffrer, à les garder dans des fichiers de travail en texte simple et à\n"
       "les imprimer sous forme de croix dans les cases d'un ticket vierge placé\n"
       "dans l'imprimante. Pour le quinté, il génère les combinaisons qui\n"
       "respectent des contraintes, les classe selon l'ordre de préférence du\n"
       "joueur et en fait des jeux enregistrés. Après la course, il contrôle les\n"
       "gains.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The French buttons of the message boxes, native windows under Wayland, a face for the texts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland, fonts-dejavu-core")
include(CPack)

# Where `cmake --install` puts things (relative to the install prefix):
# programs in bin; the engines and the demo saver, which are programs the
# maker copies or starts, in lib/lumaveil; the download-page template and
# the manual in share/lumaveil. The maker finds the last two relative to its
# own directory (maker/output/fichiers_livres.h).
include(GNUInstallDirs)
set(LUMAVEIL_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR})
set(LUMAVEIL_INSTALL_PKGLIBDIR lib/lumaveil)
set(LUMAVEIL_INSTALL_PKGDATADIR ${CMAKE_INSTALL_DATADIR}/lumaveil)

// CInformationDialog: the bottom bar of the main window: the version line,
// the product line, a link to the maker's web site and the logo. Hovering
// the link or the logo underlines the link and shows the hand cursor; a
// click on either opens the web site through the desktop.
#pragma once

#include <QLabel>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <cstdint>

namespace lumaveil {

// The maker's web site, opened by the link, the logo and "Web".
QUrl SiteWeb();

// The version string of a file version whose major word is
// (a << 16 | b) and minor word (c << 16 | d): "%ld.%ld%ld" with a, b, c
// (1.5.1.0 gives "1.51").
QString FormateVersion(std::uint32_t motMajeur, std::uint32_t motMineur);
// The same for the program's own version.
QString VersionProgramme();

class CInformationDialog : public QWidget {
  Q_OBJECT
 public:
  explicit CInformationDialog(QWidget* parent = nullptr);

  QLabel* LigneVersion() const { return version_; }
  QLabel* LigneProduit() const { return produit_; }
  QLabel* Lien() const { return lien_; }
  QLabel* Logo() const { return logo_; }
  bool LienSouligne() const { return lien_->font().underline(); }

 signals:
  // The link or the logo was clicked (the frame opens the site).
  void lienClique();

 protected:
  bool eventFilter(QObject* objet, QEvent* evenement) override;

 private:
  void Souligne(bool oui);

  QLabel* version_ = nullptr;
  QLabel* produit_ = nullptr;
  QLabel* lien_ = nullptr;
  QLabel* logo_ = nullptr;
};

}  // namespace lumaveil

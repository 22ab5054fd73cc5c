#include "travail/ajout_photos.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <tuple>

#include "commun/dialogue_qt.h"
#include "picture/format.h"
#include "picture/meta_photo.h"
#include "progression.h"
#include "projet/controleur_projet.h"
#include "projet/noms_changements.h"
#include "parametres.h"
#include "registre.h"
#include "taches/progression_travail.h"

namespace lumaveil {

namespace {

constexpr const char* kCleOrdre = "AddPhotosOrder";
constexpr const char* kOperation = "Adding photos...";

bool EstImage(const QFileInfo& fichier) {
  const std::string extension = fichier.suffix().toLower().toStdString();
  const auto& lisibles = talvik::ExtensionsLisibles();
  return std::any_of(lisibles.begin(), lisibles.end(),
                     [&](const talvik::ExtensionImage& e) { return e.extension == extension; });
}

// A date that sorts: the date taken as the camera's clock showed it, else
// the file's last change in local time.
QDateTime DatePhoto(const QFileInfo& fichier) {
  const talvik::DatePhoto prise = talvik::LitMetaPhoto(fichier.filePath().toStdString()).prise;
  if (!prise.Connue()) return fichier.lastModified();
  return QDateTime(QDate(prise.annee, prise.mois, prise.jour),
                   QTime(prise.heure, prise.minute, prise.seconde));
}

// Natural order of two names: runs of digits compare as numbers ("2"
// before "10"), the rest without case.
int CompareNoms(const QString& a, const QString& b) {
  int i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (a[i].isDigit() && b[j].isDigit()) {
      int fi = i, fj = j;
      while (fi < a.size() && a[fi].isDigit()) ++fi;
      while (fj < b.size() && b[fj].isDigit()) ++fj;
      // Without leading zeros, the longer run is the larger number.
      QStringView na = QStringView(a).mid(i, fi - i), nb = QStringView(b).mid(j, fj - j);
      while (na.size() > 1 && na.front() == u'0') na = na.mid(1);
      while (nb.size() > 1 && nb.front() == u'0') nb = nb.mid(1);
      if (na.size() != nb.size()) return na.size() < nb.size() ? -1 : 1;
      if (const int c = na.compare(nb); c != 0) return c;
      i = fi;
      j = fj;
      continue;
    }
    const QChar ca = a[i].toCaseFolded(), cb = b[j].toCaseFolded();
    if (ca != cb) return ca < cb ? -1 : 1;
    ++i;
    ++j;
  }
  return int(a.size() - i > 0) - int(b.size() - j > 0);
}

// A project just started holds one blank screen, as every project holds at
// least one: nothing changed since, no picture, no caption. The photos then
// take its place rather than follow it.
bool SeulEcranVierge(const CControleurProjet& controleur) {
  if (controleur.NombreEcrans() != 1 || controleur.EstModifie()) return false;
  const CEcran& ecran = controleur.Ecran(0);
  if (!ecran.CheminImage.empty()) return false;
  return std::none_of(std::begin(ecran.Textes), std::end(ecran.Textes),
                      [](const T_TEXTE& texte) { return texte.Utilisation != 0; });
}

}  // namespace

OrdrePhotos LitOrdrePhotos() {
  talvik::CBaseRegistre registre;
  int ordre = 0;
  if (registre.OuvreLecture(kNomApplication, "")) {
    registre.Lecture(kCleOrdre, ordre);
    registre.Ferme();
  }
  return ordre == int(OrdrePhotos::Date) ? OrdrePhotos::Date : OrdrePhotos::Nom;
}

void EcritOrdrePhotos(OrdrePhotos ordre) {
  talvik::CBaseRegistre registre;
  if (!registre.OuvreEcriture(kNomApplication, "")) return;
  registre.Ecriture(kCleOrdre, int(ordre));
  registre.Ferme();
}

std::vector<std::string> PhotosEnOrdre(const QStringList& chemins, OrdrePhotos ordre,
                                       IProgression& progression) {
  std::vector<QFileInfo> fichiers;
  for (const QString& chemin : chemins) {
    const QFileInfo info(chemin);
    if (!info.isDir()) {
      fichiers.push_back(info);
      continue;
    }
    for (const QFileInfo& f : QDir(chemin).entryInfoList(QDir::Files | QDir::Readable))
      if (EstImage(f)) fichiers.push_back(f);
  }
  struct Cle {
    QDateTime date;
    QFileInfo fichier;
  };
  std::vector<Cle> cles;
  const unsigned total = unsigned(fichiers.size());
  progression.Debut(total);
  for (unsigned i = 0; i < total; ++i) {
    const QFileInfo& f = fichiers[i];
    if (progression.AfficheEtTeste(i + 1, total, f.filePath().toStdString(), kOperation))
      return {};
    cles.push_back({ordre == OrdrePhotos::Date ? DatePhoto(f) : QDateTime(), f});
  }
  progression.Fin();
  std::stable_sort(cles.begin(), cles.end(), [&](const Cle& a, const Cle& b) {
    if (a.date != b.date) return a.date < b.date;
    const int nom = CompareNoms(a.fichier.fileName(), b.fichier.fileName());
    if (nom != 0) return nom < 0;
    return a.fichier.filePath() < b.fichier.filePath();
  });
  std::vector<std::string> resultat;
  for (const Cle& c : cles) resultat.push_back(c.fichier.filePath().toStdString());
  return resultat;
}

int AjoutePhotos(CControleurProjet& controleur, const QStringList& chemins, OrdrePhotos ordre,
                 QWidget* parent, const std::function<void(int)>& rendCourant) {
  if (chemins.isEmpty()) return 0;
  CDialogueQt dialogue(parent);
  CProgressionTravail progression(parent, dialogue);
  const std::vector<std::string> photos = progression.Execute(
      [&](IProgression& p) { return PhotosEnOrdre(chemins, ordre, p); });
  if (photos.empty()) return 0;
  const bool remplaceVierge = SeulEcranVierge(controleur);
  controleur.DebutGroupe(changement::kAjoutPhotos);
  const int nombre = controleur.InsereFichiers(photos);
  if (remplaceVierge) {
    controleur.SupprimeEcran(0);
    controleur.Selectionne(nombre - 1);
  }
  rendCourant(controleur.Selection());
  controleur.FinGroupe();
  return nombre;
}

}  // namespace lumaveil

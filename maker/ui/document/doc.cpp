#include "document/doc.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include "dialogs/commun/boite_message.h"
#include "commun/ks_file_dialog.h"

namespace lumaveil {

CDoc::CDoc(IVuesDocument& vues, QObject* parent) : QObject(parent), vues_(vues) {
  Question = [this](const QString& texte) {
    switch (talvik::BoiteMessage(vues_.FenetreDocument(), texte.toStdString(), kTitreFenetre,
                                 talvik::IconeMessage::Question,
                                 talvik::BoutonsMessage::OuiNonAnnuler)) {
      case talvik::IDYES:
        return ReponseSauvegarde::Oui;
      case talvik::IDNO:
        return ReponseSauvegarde::Non;
      default:
        return ReponseSauvegarde::Annuler;
    }
  };
  auto choisit = [this](bool ouverture, const QString& nom) {
    CKSFileDialog choix(ouverture, QString::fromUtf8(kExtension), nom,
                        ouverture ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT, FiltreProjets(),
                        vues_.FenetreDocument());
    return choix.DoModal() == IDOK ? choix.GetPathName() : QString();
  };
  ChoixOuverture = [choisit] { return choisit(true, QString()); };
  ChoixSauvegarde = [choisit](const QString& nomPropose) { return choisit(false, nomPropose); };
}

QString CDoc::Titre() const {
  return chemin_.isEmpty() ? QString::fromUtf8(kNomParDefaut) : QFileInfo(chemin_).fileName();
}

void CDoc::FixeModifie(bool modifie) {
  if (modifie_ == modifie) return;
  modifie_ = modifie;
  emit etatChange();
}

void CDoc::FixeChemin(const QString& chemin) {
  chemin_ = chemin;
  emit etatChange();
}

QString CDoc::NomPropose(const QString& titre) {
  QString nom = titre;
  const int coupure = nom.indexOf(QRegularExpression(QStringLiteral("[ #%;/\\\\]")));
  if (coupure >= 0) nom.truncate(coupure);
  return nom + QString::fromUtf8(kExtension);
}

QString CDoc::FiltreProjets() {
  return QString::asprintf("%s|*%s", kFiltre, kExtension) + "||";
}

bool CDoc::SauveModifications() {
  if (!modifie_) return true;
  switch (Question(tr("Save changes to %1?").arg(Titre()))) {
    case ReponseSauvegarde::Oui:
      return Sauve();
    case ReponseSauvegarde::Non:
      return true;
    case ReponseSauvegarde::Annuler:
      break;
  }
  return false;
}

bool CDoc::Nouveau() {
  if (!SauveModifications()) return false;
  chemin_.clear();
  modifie_ = false;
  vues_.NouveauProjet();
  modifie_ = false;
  emit etatChange();
  return true;
}

bool CDoc::Ouvre() {
  if (!SauveModifications()) return false;
  const QString chemin = ChoixOuverture();
  if (chemin.isEmpty()) return false;
  return Lit(chemin);
}

bool CDoc::OuvreFichier(const QString& chemin) {
  if (!SauveModifications()) return false;
  return Lit(chemin);
}

bool CDoc::Lit(const QString& chemin) { return vues_.LitProjet(chemin) && Utilise(chemin); }

bool CDoc::Utilise(const QString& chemin) {
  chemin_ = QFileInfo(chemin).absoluteFilePath();
  dernierDossier_ = QFileInfo(chemin_).absolutePath();
  modifie_ = false;
  emit etatChange();
  emit fichierUtilise(chemin_);
  return true;
}

bool CDoc::Sauve() {
  if (chemin_.isEmpty()) return SauveSous();
  return Enregistre(chemin_);
}

QString CDoc::NomSauvegardePropose() const {
  if (!chemin_.isEmpty()) return chemin_;
  const QString nom = NomPropose(Titre());
  if (!dernierDossier_.isEmpty()) return QDir(dernierDossier_).filePath(nom);
  // No folder used yet: the user's documents, never the process's
  // working directory.
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QDir(QFileInfo::exists(documents) ? documents : QDir::homePath()).filePath(nom);
}

bool CDoc::SauveSous() {
  const QString chemin = ChoixSauvegarde(NomSauvegardePropose());
  if (chemin.isEmpty()) return false;
  return Enregistre(chemin);
}

bool CDoc::Enregistre(const QString& chemin) {
  return vues_.EcritProjet(chemin) && Utilise(chemin);
}

}  // namespace lumaveil

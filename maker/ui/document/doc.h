// CDoc: the open project as a document: its file, its title, the modified
// flag, and the File commands New, Open, Save and Save As with the
// question "save changes?" before a modified project is closed. The
// document holds no project data: reading, writing and showing the project
// are done by its views (IVuesDocument, the main frame).
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace lumaveil {

// What the document asks of its views.
class IVuesDocument {
 public:
  virtual ~IVuesDocument() = default;
  // The new-project routine (the list then holds at least one screen).
  virtual void NouveauProjet() = 0;
  // Reads the project file and shows it; 1 on success, 0 when it could not
  // be read (the views have shown why and kept what they showed).
  virtual int LitProjet(const QString& chemin) = 0;
  // Writes the project file; 1 on success (0: the views have shown why).
  virtual int EcritProjet(const QString& chemin) = 0;
  // Parent of the document's choosers and questions.
  virtual QWidget* FenetreDocument() = 0;
};

// Answers of the "save changes?" question.
enum class ReponseSauvegarde { Oui, Non, Annuler };

class CDoc : public QObject {
  Q_OBJECT
 public:
  explicit CDoc(IVuesDocument& vues, QObject* parent = nullptr);

  // Document strings of the project file type.
  static constexpr const char* kTitreFenetre = "Lumaveil";
  static constexpr const char* kNomParDefaut = "Noname";
  static constexpr const char* kFiltre =
      QT_TRANSLATE_NOOP("lumaveil::CKSFileDialog", "Lumaveil File(*.lmv)");
  static constexpr const char* kExtension = ".lmv";

  // File name of the project, or "Noname" before its first save.
  QString Titre() const;
  const QString& CheminFichier() const { return chemin_; }
  bool EstModifie() const { return modifie_; }
  void FixeModifie(bool modifie);
  // Sets the project's file without reading it (start-up, tests).
  void FixeChemin(const QString& chemin);

  // The proposed Save As name: the title cut at the first of " #%;/\",
  // then ".lmv".
  static QString NomPropose(const QString& titre);
  // The chooser filter of project files: "%s|*%s" with the filter text and
  // the extension.
  static QString FiltreProjets();

  // Asks "Save changes to <title>?" when the project is modified and saves
  // on Yes. Returns false when the user cancels or the save fails: the
  // caller must then not close the project.
  bool SauveModifications();

  // File > New: save question, then the new-project routine.
  bool Nouveau();
  // File > Open: save question, chooser, then the file is read.
  bool Ouvre();
  // Opens `chemin` (recent-file list, command line): save question first.
  bool OuvreFichier(const QString& chemin);
  // File > Save: Save As for a project never saved.
  bool Sauve();
  // File > Save As. The chooser proposes the project's own file; for a
  // project never saved, NomPropose(title) in the last folder used (the
  // user's documents folder, or home, before any).
  bool SauveSous();
  // The folder a project was last opened from or saved in ("" before
  // any); the caller may seed it (the recent-file list).
  void FixeDernierDossier(const QString& dossier) { dernierDossier_ = dossier; }
  // The name Save As proposes.
  QString NomSauvegardePropose() const;

  // Replaceable for tests: the question and the choosers.
  std::function<ReponseSauvegarde(const QString& texte)> Question;
  std::function<QString()> ChoixOuverture;
  std::function<QString(const QString& nomPropose)> ChoixSauvegarde;

 signals:
  // The title, the file or the modified flag changed.
  void etatChange();
  // A project file was opened or saved (for the recent-file list).
  void fichierUtilise(const QString& chemin);

 private:
  bool Lit(const QString& chemin);
  bool Enregistre(const QString& chemin);
  // `chemin` read or written: it becomes the document's file, unmodified.
  bool Utilise(const QString& chemin);

  IVuesDocument& vues_;
  QString chemin_;
  QString dernierDossier_;
  bool modifie_ = false;
};

}  // namespace lumaveil

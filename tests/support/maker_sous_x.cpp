#include "maker_sous_x.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <thread>

#include "fichier_projet.h"
#include "graphique.h"
#include "sortie_commande.h"

namespace lumaveil::testing {

namespace {

using namespace std::chrono_literals;

const std::string kBin = LUMAVEIL_BIN_DIR;

class Silence : public IDialogue {
 public:
  void Message(const MessageUtilisateur&) override {}
  int Question(const MessageUtilisateur&) override { return 0; }
};

void Arrete(pid_t& pid) {
  if (pid <= 0) return;
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  pid = -1;
}

}  // namespace

bool MemesPixels(const std::string& a, const std::string& b, const Geometrie& zone) {
  const talvik::HBITMAP ia = talvik::CGraphique::ChargeImage(a, 0, nullptr);
  const talvik::HBITMAP ib = talvik::CGraphique::ChargeImage(b, 0, nullptr);
  if (!ia || !ib || ia.Width() != ib.Width() || ia.Height() != ib.Height()) return false;
  for (int y = zone.y; y < zone.y + zone.hauteur; ++y)
    for (int x = zone.x; x < zone.x + zone.largeur; ++x)
      if (ia.GetPixel(x, y) != ib.GetPixel(x, y)) return false;
  return true;
}

MakerSousX::MakerSousX(int largeur, int hauteur, bool gestionnaire)
    : xvfb_(largeur, hauteur) {
  if (xvfb_.Ok() && gestionnaire) gestionnaire_ = std::make_unique<Openbox>(xvfb_.Display());
}

MakerSousX::~MakerSousX() { Arrete(pid_); }

std::vector<std::string> MakerSousX::Images(const std::vector<unsigned>& couleurs) {
  std::vector<std::string> images;
  for (std::size_t i = 0; i < couleurs.size(); ++i) {
    images.push_back(dir_.File("image" + std::to_string(i) + ".bmp"));
    if (talvik::CGraphique::SauveImage(images.back(),
                                       talvik::HBITMAP::Create(320, 240, couleurs[i]), 90, 0,
                                       0) != 1)
      return {};
  }
  return images;
}

std::string MakerSousX::Projet(const std::vector<std::string>& images) {
  const std::string projet = dir_.File("projet.lmv");
  std::string commande = "LUMAVEIL_REGISTRY='" + dir_.File("creation.reg") + "' " + kBin +
                         "/lumaveil --new '" + projet + "'";
  for (const std::string& image : images) commande += " '" + image + "'";
  return std::system(commande.c_str()) == 0 ? projet : "";
}

void MakerSousX::Lance(const std::string& projet, const std::string& registre) {
  const std::string store = registre.empty() ? dir_.File("registry.reg") : registre;
  pid_ = fork();
  if (pid_ != 0) return;
  setenv("DISPLAY", xvfb_.Display().c_str(), 1);
  setenv("LUMAVEIL_REGISTRY", store.c_str(), 1);
  unsetenv("QT_QPA_PLATFORM");
  const std::string journal = dir_.File("lumaveil.log");
  freopen(journal.c_str(), "w", stderr);
  if (projet.empty())
    execl((kBin + "/lumaveil").c_str(), "lumaveil", static_cast<char*>(nullptr));
  else
    execl((kBin + "/lumaveil").c_str(), "lumaveil", projet.c_str(), static_cast<char*>(nullptr));
  _exit(127);
}

namespace {

// The language the maker runs in, as it chooses it: "" for English.
QString LangueMaker() {
  for (const QString& l : QLocale::system().uiLanguages()) {
    const QString code = l.section('-', 0, 0).section('_', 0, 0).toLower();
    if (code == QLatin1String("en")) break;
    if (code == QLatin1String("fr") || code == QLatin1String("de") || code == QLatin1String("es"))
      return code;
  }
  return {};
}

// `anglais` in the language the maker runs in, as its translation (Qt's
// for a context "Q...") gives it; itself when none is chosen.
QString Traduit(const char* contexte, const char* anglais) {
  const QString langue = LangueMaker();
  QString titre = QString::fromUtf8(anglais);
  QTranslator traduction;
  const bool qt = contexte[0] == 'Q';
  if (!langue.isEmpty() &&
      (qt ? traduction.load(QStringLiteral("qtbase_") + langue,
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath))
          : traduction.load(QStringLiteral("lumaveil_") + langue,
                            QStringLiteral(LUMAVEIL_BIN_DIR "/traductions")))) {
    const QString traduit = traduction.translate(contexte, anglais);
    if (!traduit.isEmpty()) titre = traduit;
  }
  return titre;
}

}  // namespace

std::string ToucheTraduite(const char* contexte, const char* anglais) {
  const QString texte = Traduit(contexte, anglais);
  const qsizetype et = texte.indexOf('&');
  return et < 0 || et + 1 >= texte.size() ? std::string()
                                          : texte.mid(et + 1, 1).toLower().toStdString();
}

std::string TitreTraduit(const char* contexte, const char* anglais) {
  const QString titre = Traduit(contexte, anglais);
  const qsizetype coupe = titre.indexOf(QRegularExpression(QStringLiteral("[][().*+?^$|\\\"'&]")));
  return titre.left(coupe < 0 ? titre.size() : coupe).trimmed().toStdString();
}

std::string MakerSousX::LanceEtAttend(const std::string& projet) {
  Lance(projet);
  const std::string fenetre = AttendFenetre("projet.lmv.*Lumaveil", 30);
  if (fenetre.empty()) return "";
  // The start-up picture shows for 3 seconds; the project is read after it.
  const std::string apropos = TitreTraduit("lumaveil::CMainFrame", "About Lumaveil");
  if (AttendFenetre(apropos, 10).empty()) return "";
  if (!AttendFermeture(apropos, 15)) return "";
  std::this_thread::sleep_for(1500ms);
  return fenetre;
}

bool MakerSousX::AttendFin(int secondes, int* statut) {
  for (int i = 0; i < secondes * 10; ++i) {
    if (waitpid(pid_, statut, WNOHANG) == pid_) {
      pid_ = -1;
      return true;
    }
    std::this_thread::sleep_for(100ms);
  }
  return false;
}

std::string MakerSousX::Xdotool(const std::string& arguments) {
  return RunAndCapture("DISPLAY=" + xvfb_.Display() + " xdotool " + arguments +
                                " 2>/dev/null");
}

std::string MakerSousX::AttendFenetre(const std::string& nom, int secondes) {
  for (int i = 0; i < secondes * 10; ++i) {
    std::string id = Xdotool("search --onlyvisible --name '" + nom + "'");
    if (!id.empty()) return id.substr(0, id.find('\n'));
    std::this_thread::sleep_for(100ms);
  }
  return "";
}

bool MakerSousX::AttendFermeture(const std::string& nom, int secondes) {
  for (int i = 0; i < secondes * 10; ++i) {
    if (Xdotool("search --onlyvisible --name '" + nom + "'").empty()) return true;
    std::this_thread::sleep_for(100ms);
  }
  return false;
}

namespace {
// The values of "xdotool ... --shell" output (X=, Y=, WIDTH=, HEIGHT=).
Geometrie LitShell(const std::string& texte) {
  Geometrie g;
  std::istringstream lignes(texte);
  std::string ligne;
  while (std::getline(lignes, ligne)) {
    const auto egal = ligne.find('=');
    if (egal == std::string::npos) continue;
    const std::string nom = ligne.substr(0, egal);
    const int valeur = std::atoi(ligne.c_str() + egal + 1);
    if (nom == "X") g.x = valeur;
    else if (nom == "Y") g.y = valeur;
    else if (nom == "WIDTH") g.largeur = valeur;
    else if (nom == "HEIGHT") g.hauteur = valeur;
  }
  return g;
}
}  // namespace

Geometrie MakerSousX::GeometrieFenetre(const std::string& id) {
  return LitShell(Xdotool("getwindowgeometry --shell " + id));
}

Geometrie MakerSousX::Pointeur() { return LitShell(Xdotool("getmouselocation --shell")); }

void MakerSousX::Deplace(const std::string& id, int x, int y) {
  Xdotool("mousemove --window " + id + " " + std::to_string(x) + " " + std::to_string(y));
  std::this_thread::sleep_for(30ms);
}

void MakerSousX::Clique(const std::string& id, int x, int y, int bouton) {
  Deplace(id, x, y);
  std::this_thread::sleep_for(150ms);
  Xdotool("click " + std::to_string(bouton));
  std::this_thread::sleep_for(500ms);
}

void MakerSousX::Glisse(const std::string& id, int x1, int y1, int x2, int y2, int pas,
                        const std::function<void()>& pendant) {
  Deplace(id, x1, y1);
  std::this_thread::sleep_for(200ms);
  Xdotool("mousedown 1");
  std::this_thread::sleep_for(150ms);
  const int dx = x2 - x1, dy = y2 - y1;
  const int etapes = std::max(1, std::max(std::abs(dx), std::abs(dy)) / std::max(1, pas));
  for (int i = 1; i <= etapes; ++i) Deplace(id, x1 + dx * i / etapes, y1 + dy * i / etapes);
  std::this_thread::sleep_for(300ms);
  if (pendant) pendant();
  Xdotool("mouseup 1");
  std::this_thread::sleep_for(600ms);
}

void MakerSousX::Touches(const std::string& id, const std::string& touches) {
  // A window manager gives the focus to the window it activates; without
  // one the window takes it directly.
  if (gestionnaire_) Xdotool("windowactivate --sync " + id);
  Xdotool("windowfocus --sync " + id);
  std::this_thread::sleep_for(200ms);
  Xdotool("key --delay 40 " + touches);
  std::this_thread::sleep_for(400ms);
}

void MakerSousX::Ecrit(const std::string& id, const std::string& texte) {
  Xdotool("windowfocus --sync " + id);
  std::this_thread::sleep_for(200ms);
  Xdotool("type --delay 5 '" + texte + "'");
}

std::string MakerSousX::Capture(const std::string& nom) {
  const std::string dossier = LUMAVEIL_SCREENSHOT_DIR;
  mkdir(dossier.c_str(), 0755);
  // A run in another language keeps its pictures beside the English ones.
  const QString langue = LangueMaker();
  const std::string suffixe = langue.isEmpty() ? "" : "_" + langue.toStdString();
  const std::string fichier = dossier + "/" + nom + suffixe + ".png";
  const int r = std::system(("DISPLAY=" + xvfb_.Display() + " import -window root '" + fichier +
                             "' 2>/dev/null")
                                .c_str());
  return r == 0 ? fichier : "";
}

std::vector<std::string> MakerSousX::SauveEtRelit(const std::string& fenetre,
                                                  const std::string& projet) {
  struct stat avant {};
  stat(projet.c_str(), &avant);
  Touches(fenetre, "ctrl+s");
  // Written when the file's time or size changed.
  for (int i = 0; i < 50; ++i) {
    struct stat apres {};
    if (stat(projet.c_str(), &apres) == 0 &&
        (apres.st_mtim.tv_sec != avant.st_mtim.tv_sec ||
         apres.st_mtim.tv_nsec != avant.st_mtim.tv_nsec || apres.st_size != avant.st_size))
      break;
    std::this_thread::sleep_for(100ms);
  }
  std::this_thread::sleep_for(300ms);
  CProjet lu;
  Silence silence;
  if (ChargeProjet(lu, projet, silence) != 1) return {};
  std::vector<std::string> chemins;
  for (int i = 0; i < lu.NombreEcrans(); ++i) chemins.push_back(lu.Ecran(i).CheminImage);
  return chemins;
}

}  // namespace lumaveil::testing

#include "paires_portraits.h"

#include <string>
#include <utility>

#include "picture/taille_declaree.h"
#include "projet.h"
#include "redimension.h"

namespace lumaveil {

namespace {

// The upright size the file's header declares; 0 x 0 when the header says
// nothing this reader knows.
SIZE TailleDuFichier(const std::string& chemin) {
  int l = 0, h = 0;
  talvik::TailleDeclaree(chemin, &l, &h);
  return SIZE{l, h};
}

}  // namespace

bool PeutEtreApparie(const ApparieEcran& e) {
  return e.cible.cx > e.cible.cy && e.image.cx > 0 && e.image.cy > e.image.cx && !e.recoupe &&
         e.ajuste && e.fond;
}

std::vector<GroupeEcrans> GroupeEcransEnPaires(const std::vector<ApparieEcran>& ecrans,
                                               bool paire) {
  std::vector<GroupeEcrans> groupes;
  const int n = int(ecrans.size());
  groupes.reserve(ecrans.size());
  for (int i = 0; i < n; ++i) {
    const ApparieEcran& a = ecrans[std::size_t(i)];
    if (paire && i + 1 < n && PeutEtreApparie(a)) {
      const ApparieEcran& b = ecrans[std::size_t(i + 1)];
      if (PeutEtreApparie(b) && b.cible.cx == a.cible.cx && b.cible.cy == a.cible.cy) {
        groupes.push_back(GroupeEcrans{i, i + 1});
        ++i;
        continue;
      }
    }
    groupes.push_back(GroupeEcrans{i, -1});
  }
  return groupes;
}

ApparieEcran DecritPourAppariement(const CEcran& e) {
  ApparieEcran d;
  d.cible = e.TailleCible;
  d.recoupe = e.RecoupeUtilisation != 0;
  d.ajuste = EstAjusteEcran(e) && !EstRemplissageEcran(e);
  d.fond = e.FondUtilisation != 0;
  // The picture's size decides only for a screen that may be paired
  // otherwise: the file's header is not read for the others (each look at
  // the project would read every photo's).
  if (d.cible.cx <= d.cible.cy || d.recoupe || !d.ajuste || !d.fond) return d;
  SIZE t = e.TailleImage;
  if ((t.cx <= 0 || t.cy <= 0) && !e.CheminImage.empty()) t = TailleDuFichier(e.CheminImage);
  if (e.RotationUtilisation && (e.RotationAngle == 180 || e.RotationAngle == -180))
    std::swap(t.cx, t.cy);
  d.image = t;
  return d;
}

std::vector<GroupeEcrans> GroupesDuProjet(const CProjet& projet, bool paire) {
  std::vector<ApparieEcran> d(std::size_t(projet.NombreEcrans()));
  // Without pairs nothing of a screen counts.
  if (paire)
    for (int i = 0; i < projet.NombreEcrans(); ++i) d[std::size_t(i)] = DecritPourAppariement(projet.Ecran(i));
  return GroupeEcransEnPaires(d, paire);
}

GroupeEcrans GroupeDe(const std::vector<GroupeEcrans>& groupes, int index) {
  for (const GroupeEcrans& g : groupes)
    if (g.premier == index || g.second == index) return g;
  return GroupeEcrans{index, -1};
}

}  // namespace lumaveil

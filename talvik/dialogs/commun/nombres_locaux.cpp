#include "dialogs/commun/nombres_locaux.h"

#include <QLocale>

namespace talvik {

QString NombreLocal(long long n) { return QLocale().toString(n); }

std::string CompteurLocal(unsigned int courant, unsigned int total) {
  return QStringLiteral("(%1 / %2)")
      .arg(NombreLocal(courant), NombreLocal(total))
      .toStdString();
}

}  // namespace talvik

#include "conversion.h"

#include <limits>

namespace talvik {

long long ConvertitEntier(std::string_view texte) {
  std::size_t i = 0;
  while (i < texte.size() && (texte[i] == ' ' || (texte[i] >= '\t' && texte[i] <= '\r'))) ++i;
  bool negatif = false;
  if (i < texte.size() && (texte[i] == '+' || texte[i] == '-')) negatif = texte[i++] == '-';
  unsigned long long n = 0;
  const unsigned long long limite =
      negatif ? static_cast<unsigned long long>(std::numeric_limits<long long>::max()) + 1
              : static_cast<unsigned long long>(std::numeric_limits<long long>::max());
  for (; i < texte.size() && texte[i] >= '0' && texte[i] <= '9'; ++i) {
    unsigned chiffre = unsigned(texte[i] - '0');
    if (n > (limite - chiffre) / 10) {
      n = limite;
      break;
    }
    n = n * 10 + chiffre;
  }
  if (negatif) return n == limite ? std::numeric_limits<long long>::min() : -static_cast<long long>(n);
  return static_cast<long long>(n);
}

}  // namespace talvik

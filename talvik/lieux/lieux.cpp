#include "lieux.h"

#include <geonames/geonames.h>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <vector>

namespace talvik {

namespace {

constexpr double kRayonTerreKm = 6371.0;
constexpr double kRadians = 3.14159265358979323846 / 180.0;

// A town's position and its index in the gazetteer, whose names are read
// only for the town a lookup finds (reading every town's three names at
// start-up would double the load).
struct Ville {
  double latitude;
  double longitude;
  int index;
};

// The towns sorted by latitude, loaded once.
struct Repertoire {
  std::vector<Ville> villes;
  std::vector<double> latitudes;  // the same order, for the binary search
};

const Repertoire& Villes() {
  static Repertoire r;
  static std::once_flag fait;
  std::call_once(fait, [] {
    const int n = geonames_get_n_cities();
    r.villes.reserve(std::size_t(std::max(n, 0)));
    for (int i = 0; i < n; ++i) {
      GeonamesCity* c = geonames_get_city(i);
      if (!c) continue;
      r.villes.push_back(Ville{geonames_city_get_latitude(c), geonames_city_get_longitude(c), i});
      geonames_city_free(c);
    }
    std::sort(r.villes.begin(), r.villes.end(),
              [](const Ville& a, const Ville& b) { return a.latitude < b.latitude; });
    r.latitudes.reserve(r.villes.size());
    for (const Ville& v : r.villes) r.latitudes.push_back(v.latitude);
  });
  return r;
}

double DistanceKm(double lat1, double lon1, double lat2, double lon2) {
  const double dLat = (lat2 - lat1) * kRadians, dLon = (lon2 - lon1) * kRadians;
  const double a = std::sin(dLat / 2) * std::sin(dLat / 2) +
                   std::cos(lat1 * kRadians) * std::cos(lat2 * kRadians) * std::sin(dLon / 2) *
                       std::sin(dLon / 2);
  return 2 * kRayonTerreKm * std::asin(std::min(1.0, std::sqrt(a)));
}

}  // namespace

bool ChargeLieux() { return !Villes().villes.empty(); }

bool LieuLePlusProche(double latitude, double longitude, Lieu* lieu) {
  if (!(latitude >= -90 && latitude <= 90 && longitude >= -180 && longitude <= 180)) return false;
  const Repertoire& r = Villes();
  // Only the towns of the band of latitudes within reach can be nearer.
  const double bande = kDistancePlaceMaxKm / (kRayonTerreKm * kRadians);
  const auto debut = std::lower_bound(r.latitudes.begin(), r.latitudes.end(), latitude - bande);
  const auto fin = std::upper_bound(r.latitudes.begin(), r.latitudes.end(), latitude + bande);
  const Ville* meilleure = nullptr;
  double distance = kDistancePlaceMaxKm;
  for (auto i = debut; i != fin; ++i) {
    const Ville& v = r.villes[std::size_t(i - r.latitudes.begin())];
    const double d = DistanceKm(latitude, longitude, v.latitude, v.longitude);
    if (d <= distance) {
      distance = d;
      meilleure = &v;
    }
  }
  if (!meilleure) return false;
  // The gazetteer's own calls, one thread at a time.
  static std::mutex verrou;
  const std::lock_guard<std::mutex> garde(verrou);
  GeonamesCity* c = geonames_get_city(meilleure->index);
  if (!c) return false;
  auto texte = [](const gchar* t) { return t ? std::string(t) : std::string(); };
  lieu->ville = texte(geonames_city_get_name(c));
  lieu->region = texte(geonames_city_get_state(c));
  lieu->pays = texte(geonames_city_get_country(c));
  lieu->distanceKm = distance;
  geonames_city_free(c);
  return true;
}

}  // namespace talvik

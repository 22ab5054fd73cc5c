// The place a photo was taken, from its GPS position: the nearest town of
// an offline gazetteer (the GeoNames towns of 15,000 people or more, as
// the Debian package libgeonames carries them), with its region and
// country. Nothing is looked up on the network.
#pragma once

#include <string>

namespace talvik {

struct Lieu {
  std::string ville;   // "Lyon"
  std::string region;  // "Auvergne-Rhône-Alpes"; "" when the gazetteer has none
  std::string pays;    // "France"
  double distanceKm = 0;  // from the position to the town
};

// Towns farther than this from the position are not its place.
inline constexpr double kDistancePlaceMaxKm = 150;

// The town nearest to (latitude, longitude), in degrees, when one lies
// within kDistancePlaceMaxKm; false otherwise or when the position is not
// in -90..90, -180..180. The first call loads the gazetteer (some tens of
// milliseconds); later calls take microseconds. Thread-safe.
bool LieuLePlusProche(double latitude, double longitude, Lieu* lieu);

// "Town, Region, Country", the region left out when it repeats the town's
// name or is empty.
std::string TexteLieu(const Lieu& lieu);

// Loads the gazetteer now (a program that will caption many photos calls
// it once at start); true when it holds towns.
bool ChargeLieux();

}  // namespace talvik

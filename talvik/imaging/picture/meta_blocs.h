// The readers of the metadata blocks behind LitMetaPhoto: each fills the
// values it finds into its own slots, and Choisit takes each value from
// the first source that holds it, in the order of preference.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "picture/meta_photo.h"

namespace talvik::meta {

struct Sources {
  DatePhoto dateExif;           // DateTimeOriginal, with OffsetTimeOriginal
  DatePhoto dateXmpPhotoshop;   // photoshop:DateCreated
  DatePhoto dateXmpCreation;    // xmp:CreateDate
  DatePhoto dateXmpExif;        // exif:DateTimeOriginal
  std::string titreXmp, titreIptc, titreXp;
  std::string descriptionXmp, descriptionIptc, descriptionExif, commentaireXp, sujetXp;
  std::string marque, modele;
  bool gps = false;
  double latitude = 0, longitude = 0;
  bool xmpLu = false;   // one packet only: the first
  bool exifLu = false;  // one Exif block only: the first
};

// An Exif block, with or without its "Exif\0\0" prefix, or a whole TIFF
// file's bytes (whose first directory may name an XMP packet, tag 700,
// and IPTC records, tag 33723).
void LitExif(const std::uint8_t* bloc, std::size_t taille, Sources& s);
// An XMP packet (RDF/XML, UTF-8); packets beyond kTailleXmpMax are not read.
void LitXmp(const char* paquet, std::size_t taille, Sources& s);
// IPTC records (the IIM datasets of a Photoshop 0x0404 resource or of a
// TIFF's IPTC tag).
void LitIptc(const std::uint8_t* bloc, std::size_t taille, Sources& s);
// A JPEG APP13 segment's content: "Photoshop 3.0\0" then 8BIM resources.
void LitPhotoshop(const std::uint8_t* bloc, std::size_t taille, Sources& s);

MetaPhoto Choisit(const Sources& s);

// "2024:07:14 18:30:05" (Exif) or "2024-07-14T18:30:05.25+02:00" and its
// shorter forms "2024-07-14T18:30", "2024-07-14", "2024-07", "2024"
// (XMP); false when it is not a valid date.
bool LitDate(const std::string& texte, DatePhoto* date);
// "+02:00", "-0530" or "Z"; false otherwise.
bool LitDecalage(const std::string& texte, int* minutes);
// A text made ready for a caption: valid UTF-8 of at most
// kLongueurTexteMax bytes, control characters turned to spaces, the ends
// trimmed; false (and `texte` emptied) when it is not valid.
bool NettoieTexte(std::string& texte);

}  // namespace talvik::meta

// What a photo's file says about the photo: when it was taken, its title
// and description, the camera and where it was taken. Read from the
// metadata alone (Exif, XMP, IPTC), never from the pixels, for the
// captions that write them on a screen.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace talvik {

// A moment as the camera's clock showed it where the photo was taken.
struct DatePhoto {
  int annee = 0;  // 0: unknown (then nothing else is)
  int mois = 0;   // 1..12
  int jour = 0;   // 1..31
  bool heureConnue = false;
  int heure = 0;  // 0..23
  int minute = 0;
  int seconde = 0;
  bool decalageConnu = false;
  int decalageMinutes = 0;  // the clock's offset from UTC, -16 h..+16 h

  bool Connue() const { return annee != 0; }
};

struct MetaPhoto {
  DatePhoto prise;          // date taken
  std::string titre;        // UTF-8, one line
  std::string description;  // UTF-8, one line
  std::string appareil;     // "Make Model", the make left out when the model names it
  bool gps = false;         // latitude and longitude are known
  double latitude = 0;      // degrees, -90..90, north positive
  double longitude = 0;     // degrees, -180..180, east positive
};

// Reads the metadata of the picture file at `chemin`: the Exif, XMP and
// IPTC blocks of a JPEG, the eXIf and XMP (iTXt) chunks of a PNG, the
// EXIF and XMP chunks of a WebP, the Exif and XMP items of a HEIF or AVIF,
// the tags of a TIFF. Only the blocks are read (the file is mapped, the
// picture data is never touched). Each value comes from the first source
// that holds a valid one:
// - date taken: Exif DateTimeOriginal (with OffsetTimeOriginal), XMP
//   photoshop:DateCreated, xmp:CreateDate, exif:DateTimeOriginal;
// - title: XMP dc:title, IPTC Object Name, Exif XPTitle;
// - description: XMP dc:description, IPTC Caption-Abstract, Exif
//   ImageDescription, XPComment, XPSubject;
// - camera: Exif Make and Model;
// - place: the Exif GPS position.
// A value that is not well-formed is left out: text that is not valid
// UTF-8 (UTF-16 for the XP tags) or longer than kLongueurTexteMax bytes,
// a date outside the calendar, a position outside the world. Control
// characters in texts become spaces and the ends are trimmed. XMP packets
// larger than kTailleXmpMax are not read. An unreadable file gives an
// empty MetaPhoto; nothing is reported.
MetaPhoto LitMetaPhoto(const std::string& chemin);

inline constexpr std::size_t kLongueurTexteMax = 2000;
inline constexpr std::size_t kTailleXmpMax = 1 << 20;

}  // namespace talvik

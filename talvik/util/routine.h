// CRoutine: the library's free-standing routines, all static: reading one
// setting out of a template line, splitting and decorating file names,
// copying and gzip-compressing files, message texts, a two-digit
// hexadecimal conversion and small conveniences.
#pragma once

#include <cstdint>
#include <string>

#include "base/mfctypes.h"
#include "base/wintypes.h"
#include "etat_coche.h"

namespace talvik {

using WORD = std::uint16_t;

// A date and time, as FileTimeToSystemTime gives it (UTC).
struct SYSTEMTIME {
  WORD wYear = 0;
  WORD wMonth = 0;      // 1-12
  WORD wDayOfWeek = 0;  // 0 Sunday
  WORD wDay = 0;        // 1-31
  WORD wHour = 0;
  WORD wMinute = 0;
  WORD wSecond = 0;
  WORD wMilliseconds = 0;
};

class CRoutine {
 public:
  CRoutine() = default;
  virtual ~CRoutine() = default;

  // Finds cle (plain, case-sensitive, first occurrence) in ligne and
  // converts the text right after it. Absent key: returns 0 and leaves the
  // target alone. Present key: returns 1, also when the value cannot be
  // read (numbers then are 0, the text form gets the rest of the line).
  // Numbers convert as atoi/atol do ("640x" -> 640).
  static int ChargeUneDonnee(const CString& ligne, const CString& cle, int* cible);
  static int ChargeUneDonnee(const CString& ligne, const CString& cle, long* cible);
  static int ChargeUneDonnee(const CString& ligne, const CString& cle, CString* cible);
  // Thirteen numbers separated by single spaces, then a space and the face
  // name up to the end of the line (spaces allowed); the form written with
  // "%ld %ld %ld %ld %ld %d %d %d %d %d %d %d %d %s". A line that stops
  // early leaves the missing fields 0 and the face name empty; a face name
  // longer than 31 bytes is cut to 31.
  static int ChargeUneDonnee(const CString& ligne, const CString& cle, LOGFONTA* cible);
  // A number: non-zero checks the box, zero unchecks it.
  static int ChargeUneDonnee(const CString& ligne, const CString& cle, CButton* cible);

  // Inserts suffixe before the last "." of the path (when there is one)
  // and prefixe after the last "\" and after the last "/" (each when
  // present): "C:\img\a.jpg", "p_", "_s" -> "C:\img\p_a_s.jpg".
  static CString FormateNomFichier(const CString& chemin, const CString& prefixe,
                                   const CString& suffixe);
  // extension = from the last "." to the end, dot included (when there is
  // a "."); then the rest is split at the last "\" (or, without one, the
  // last "/") into repertoire and nom. Without a separator, repertoire and
  // nom are left as they were.
  static void SepareNomFichier(const CString& chemin, CString& repertoire, CString& nom,
                               CString& extension);

  // Copies the file in blocks of 4096 bytes. Failures show "Error" boxes
  // (source, destination or write error) through the message hook and
  // give 0; 1 when every byte of the source was written. The destination
  // is replaced only by a whole copy (an old file is left as it was on
  // failure). A destination that is the source file itself is left
  // untouched and gives 1.
  static int RecopieFichier(const CString& source, const CString& destination);

  // Writes a gzip (level 6) copy of the source. 1 on success; 0 on any
  // failure, silently, leaving the destination as it was (it is replaced
  // only by a whole stream). An empty source gives a valid, empty gzip
  // stream. A
  // destination that is the source file itself gives 0 and leaves it as it is.
  static int CompressionGZIP(const CString& source, const CString& destination);

  // Text of string id: the application's table first, then the library's
  // (ids 4 to 18); "" for an unknown id. The first argument is not used.
  static CString Message(const CString& inutilise, unsigned int id);

  // The value of the last two hexadecimal digits of the text ("7" -> 7,
  // "1AB" -> 171, "ff" -> 255, "" -> 0). Characters are not checked.
  static unsigned int HexToBin(const CString& texte);

  // Checks the box when etat is non-zero, else unchecks it. Null: nothing.
  static void FixeEtatBouton(CButton* bouton, int etat);
  // *etat = 1 when the box is checked, else 0. Null pointers: nothing.
  static void LireEtatBouton(CButton* bouton, int* etat);

  // Size in bytes and creation time (UTC) of a file: the file system's
  // birth time where it records one, else the last modification time.
  // A missing file leaves both targets as they were. Sizes beyond the
  // range of long are capped at its maximum. Either pointer may be null.
  static void RecupereInfosFichier(const CString& chemin, long* taille, SYSTEMTIME* creation);

  // Exchanges the two values.
  static void Swap(long& a, long& b);
};

}  // namespace talvik

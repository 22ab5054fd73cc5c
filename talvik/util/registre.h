// CBaseRegistre: the settings store. One object opens one key, reads or
// writes named values and closes the key again. Everything the system
// writes is text (numbers as decimal text); a binary form exists too.
//
// The keys live in a REGEDIT4 file (see fichier_registre.h) that keeps the
// registry's hives, key paths and value names. A key's values are read from
// the file when the key is opened; writes are kept by the open key and
// written to the file (atomically, mode 0600) when the key is closed, so a
// second object that opens the same key afterwards sees them. An open key
// that is dropped without Ferme still writes its values when the last copy
// of its handle goes away.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "etat_coche.h"

namespace talvik {

namespace registre {
class CleOuverte;
}

// Result codes left in m_lStatut.
inline constexpr std::int32_t ERROR_SUCCESS = 0;
inline constexpr std::int32_t ERROR_FILE_NOT_FOUND = 2;
inline constexpr std::int32_t ERROR_ACCESS_DENIED = 5;
inline constexpr std::int32_t ERROR_INVALID_HANDLE = 6;
inline constexpr std::int32_t ERROR_INVALID_PARAMETER = 87;
inline constexpr std::int32_t ERROR_MORE_DATA = 234;

// An open key; copies share it.
using HKEY = std::shared_ptr<registre::CleOuverte>;

class CBaseRegistre {
 public:
  CBaseRegistre() = default;
  virtual ~CBaseRegistre();  // does not close the key
  CBaseRegistre(const CBaseRegistre&) = default;
  CBaseRegistre& operator=(const CBaseRegistre&) = default;

  // Opens "HKEY_LOCAL_MACHINE\Software\Vermalune\<application>" or, with a
  // non-empty section, ...\<application>\<section> (the application key is
  // created first). A missing key is created, empty, and written to the
  // file at once. The mode (1 write, 2 read) does not change anything: a
  // key opened for reading is writable too. Returns 0 when the store's
  // file cannot be written, so callers keep their defaults.
  int Ouvre(const std::string& application, unsigned short mode, const std::string& section);
  int OuvreLecture(const std::string& application, const std::string& section);
  int OuvreEcriture(const std::string& application, const std::string& section);
  // The same under HKEY_CLASSES_ROOT with the given path as it stands.
  int OuvreRoot(const std::string& chemin, unsigned short mode);
  int OuvreRootLecture(const std::string& chemin);
  int OuvreRootEcriture(const std::string& chemin);

  // Closes the key, writing the values written since it was opened.
  // Returns 0 when there was no open key or the file could not be written.
  int Ferme();

  // A text value (up to its first NUL). Missing: returns 0, target unchanged.
  int Lecture(const std::string& nom, std::string& valeur);
  // A number stored as text, converted as atoi does ("12abc" -> 12,
  // "abc" or "" -> 0, the read still succeeds). Missing: 0, target unchanged.
  int Lecture(const std::string& nom, int& valeur);
  int Lecture(const std::string& nom, unsigned int& valeur);
  int Lecture(const std::string& nom, long& valeur);
  // A number as above; non-zero checks the box, zero unchecks it.
  int Lecture(const std::string& nom, CButton& bouton);
  // A value's bytes into the caller's buffer, which must hold the whole
  // value.
  int Lecture(const std::string& nom, void* tampon);
  // The same with a size: on entry the buffer's capacity in bytes, on
  // return the value's length. A value longer than the capacity is not
  // copied: the result is 0 with ERROR_MORE_DATA (size = needed length,
  // capped at 65535).
  int Lecture(const std::string& nom, void* tampon, unsigned short& taille);

  // Text values: the text and its NUL; numbers as "%d" (so an unsigned
  // 4294967295 is stored as "-1") or "%ld"; a check box as "1" when
  // checked, "0" otherwise (unchecked or indeterminate).
  int Ecriture(const std::string& nom, const std::string& valeur);
  int Ecriture(const std::string& nom, const char* valeur);
  int Ecriture(const std::string& nom, int valeur);
  int Ecriture(const std::string& nom, unsigned int valeur);
  int Ecriture(const std::string& nom, long valeur);
  int Ecriture(const std::string& nom, const CButton& bouton);
  // size bytes as a binary value.
  int Ecriture(const std::string& nom, const void* donnees, long taille);

  // The user's documents directory, ending with "/": $XDG_DOCUMENTS_DIR,
  // else the XDG_DOCUMENTS_DIR line of ${XDG_CONFIG_HOME:-~/.config}/
  // user-dirs.dirs, else ~/Documents. Empty when no home is known.
  std::string LectureRepertoireMesDocument();

  HKEY m_hCle;                                 // the key opened last
  std::int32_t m_lStatut = ERROR_SUCCESS;      // result of the last call

 private:
  int OuvreChemins(const std::string& premier, const std::string& second);
  // The value's bytes, or null (status set) when there is none.
  const std::string* Octets(const std::string& nom);
  int LectureNombre(const std::string& nom, long long& valeur);
  int EcritureValeur(const std::string& nom, std::uint32_t type, std::string octets);
};

}  // namespace talvik

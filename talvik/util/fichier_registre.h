// The file that stands in for the registry: keys with named, typed values,
// kept as REGEDIT4 text. Key paths start with their hive
// ("HKEY_LOCAL_MACHINE\Software\..."); key paths and value names compare
// without regard to ASCII case, as registry names do.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace talvik::registre {

inline constexpr std::uint32_t REG_SZ = 1;
inline constexpr std::uint32_t REG_BINARY = 3;
inline constexpr std::uint32_t REG_DWORD = 4;

struct Valeur {
  std::string nom;
  std::uint32_t type = REG_SZ;
  std::string octets;  // raw bytes; a REG_SZ text includes its final NUL
};

struct Cle {
  std::string chemin;  // hive and path, separated by '\'
  std::vector<Valeur> valeurs;

  const Valeur* Trouve(const std::string& nom) const;
  // Sets (or adds) a value, keeping the order of existing ones.
  void Fixe(Valeur valeur);
};

struct Base {
  std::vector<Cle> cles;

  Cle* Trouve(const std::string& chemin);
  const Cle* Trouve(const std::string& chemin) const;
  // The key, created empty at the end when missing.
  Cle& Cree(const std::string& chemin);
};

// Same registry name, ignoring ASCII case.
bool MemeNom(const std::string& a, const std::string& b);

// Reads REGEDIT4 text (also accepts the "Windows Registry Editor Version
// 5.00" header). Reading stops at the first line that is not valid, so a
// damaged or truncated text gives what came before the damage (a last line
// without its line feed counts as cut and is not read); a text without the
// header gives an empty base. Never fails.
Base LitTexte(const std::string& texte);

// Writes the base as REGEDIT4 text. Texts that a quoted string cannot hold
// (control characters, inner NULs, no final NUL) are written as hex(1)
// lists, so every value reads back with the same type and bytes.
std::string EcritTexte(const Base& base);

// The store's file: $LUMAVEIL_REGISTRY when set and not empty, else
// ${XDG_CONFIG_HOME:-~/.config}/Vermalune/registry.reg.
std::string CheminFichier();

// Loads the file into base. A missing file gives an empty base and
// succeeds; a file that exists but cannot be read fails.
bool ChargeFichier(const std::string& chemin, Base& base);

// Writes the base to the file atomically: the directory is created when
// missing (mode 0700), the text goes to a temporary file of mode 0600 in
// the same directory, which then replaces the file. Returns false (and
// leaves the old file as it was) when any step fails.
bool SauveFichier(const std::string& chemin, const Base& base);

// True when the file's directory exists and may be written to.
bool RepertoireInscriptible(const std::string& chemin);

}  // namespace talvik::registre

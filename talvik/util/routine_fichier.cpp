// CRoutine: file names, file copy, gzip compression and file information.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <memory>

#include "base/message.h"
#include "chaines.h"
#include "fichier_atomique.h"
#include "routine.h"

namespace talvik {

namespace {

struct FermeFichier {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};
using Fichier = std::unique_ptr<std::FILE, FermeFichier>;

// True when the path names the file that is open as f (same device and
// inode): writing to it would first truncate what is being read.
bool MemeFichier(std::FILE* f, const CString& chemin) {
  struct stat a {}, b {};
  return ::fstat(::fileno(f), &a) == 0 && ::stat(chemin.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
         a.st_ino == b.st_ino;
}

void ErreurCopie(unsigned id) {
  AfficheMessage(MessageUtilisateur{id, ChargeChaine(id), ChargeChaine(IDS_ERREUR_LIBRAIRIE),
                                    IconeMessage::Erreur, {}});
}

}  // namespace

CString CRoutine::FormateNomFichier(const CString& chemin, const CString& prefixe,
                                    const CString& suffixe) {
  CString r = chemin;
  if (std::size_t p = r.rfind('.'); p != CString::npos) r.insert(p, suffixe);
  if (std::size_t p = r.rfind('\\'); p != CString::npos) r.insert(p + 1, prefixe);
  if (std::size_t p = r.rfind('/'); p != CString::npos) r.insert(p + 1, prefixe);
  return r;
}

void CRoutine::SepareNomFichier(const CString& chemin, CString& repertoire, CString& nom,
                                CString& extension) {
  CString travail = chemin;
  if (std::size_t p = travail.rfind('.'); p != CString::npos) {
    extension = travail.substr(p);
    travail.erase(p);
  }
  std::size_t sep = travail.rfind('\\');
  if (sep == CString::npos) sep = travail.rfind('/');
  if (sep == CString::npos) return;
  repertoire = travail.substr(0, sep);
  nom = travail.substr(sep + 1);
}

int CRoutine::RecopieFichier(const CString& source, const CString& destination) {
  Fichier src(std::fopen(source.c_str(), "rb"));
  struct stat st {};
  if (!src || ::fstat(::fileno(src.get()), &st) != 0 || S_ISDIR(st.st_mode)) {
    ErreurCopie(IDS_COPIE_SOURCE);
    return 0;
  }
  // A file copied onto itself already holds what the copy would write;
  // opening it for writing would empty it.
  if (MemeFichier(src.get(), destination)) return 1;
  // The copy replaces the destination only once it is whole.
  CFichierAtomique dst;
  if (!dst.Ouvre(destination)) {
    ErreurCopie(IDS_COPIE_DESTINATION);
    return 0;
  }
  const long long longueur = static_cast<long long>(st.st_size);
  long long total = 0;
  bool ecritureOk = true;
  char bloc[4096];
  std::size_t lus = 0;
  do {
    lus = std::fread(bloc, 1, sizeof bloc, src.get());
    if (lus > 0 && std::fwrite(bloc, 1, lus, dst.Flux()) != lus) ecritureOk = false;
    total += static_cast<long long>(lus);
  } while (lus == sizeof bloc && ecritureOk);
  if (ecritureOk && total == longueur && !std::ferror(src.get()) && dst.Valide())
    return 1;
  ErreurCopie(IDS_COPIE_ECRITURE);
  return 0;
}

int CRoutine::CompressionGZIP(const CString& source, const CString& destination) {
  Fichier src(std::fopen(source.c_str(), "rb"));
  if (!src || MemeFichier(src.get(), destination)) return 0;
  // The compressed file replaces the destination only once it is whole.
  return EcritFichierAtomique(destination, [&src](const std::string& temporaire) {
    gzFile gz = ::gzopen(temporaire.c_str(), "wb6 ");
    if (!gz) return false;
    bool resultat = false;
    static thread_local char bloc[16384];
    while (!std::ferror(src.get())) {
      std::size_t lus = std::fread(bloc, 1, sizeof bloc, src.get());
      if (lus == 0) {
        resultat = !std::ferror(src.get());
        break;
      }
      if (::gzwrite(gz, bloc, static_cast<unsigned>(lus)) != static_cast<int>(lus)) break;
    }
    // A stream that cannot be finished is not a valid gzip file.
    if (::gzclose(gz) != Z_OK) resultat = false;
    return resultat;
  });
}

namespace {

// A file's size and its creation time (its last change where the file
// system keeps no creation time); false when the file cannot be asked.
// The browser build's file system has no statx.
bool InfosFichier(const char* chemin, unsigned long long& taille, std::int64_t& secondes,
                  long& nanosecondes) {
#ifdef __EMSCRIPTEN__
  struct stat st {};
  if (::stat(chemin, &st) != 0) return false;
  taille = static_cast<unsigned long long>(st.st_size);
  secondes = st.st_mtim.tv_sec;
  nanosecondes = st.st_mtim.tv_nsec;
#else
  struct statx sx {};
  if (::statx(AT_FDCWD, chemin, 0, STATX_SIZE | STATX_BTIME | STATX_MTIME, &sx) != 0)
    return false;
  taille = sx.stx_size;
  const struct statx_timestamp& ts = (sx.stx_mask & STATX_BTIME) ? sx.stx_btime : sx.stx_mtime;
  secondes = ts.tv_sec;
  nanosecondes = long(ts.tv_nsec);
#endif
  return true;
}

}  // namespace

void CRoutine::RecupereInfosFichier(const CString& chemin, long* taille, SYSTEMTIME* creation) {
  unsigned long long octets = 0;
  std::int64_t secondesFichier = 0;
  long nanosecondes = 0;
  if (!InfosFichier(chemin.c_str(), octets, secondesFichier, nanosecondes)) return;
  if (taille) {
    unsigned long long t = octets;
    *taille = t > static_cast<unsigned long long>(LONG_MAX) ? LONG_MAX : static_cast<long>(t);
  }
  if (!creation) return;
  std::time_t secondes = static_cast<std::time_t>(secondesFichier);
  std::tm tm {};
  if (!::gmtime_r(&secondes, &tm)) return;
  creation->wYear = static_cast<WORD>(tm.tm_year + 1900);
  creation->wMonth = static_cast<WORD>(tm.tm_mon + 1);
  creation->wDayOfWeek = static_cast<WORD>(tm.tm_wday);
  creation->wDay = static_cast<WORD>(tm.tm_mday);
  creation->wHour = static_cast<WORD>(tm.tm_hour);
  creation->wMinute = static_cast<WORD>(tm.tm_min);
  creation->wSecond = static_cast<WORD>(tm.tm_sec);
  creation->wMilliseconds = static_cast<WORD>(nanosecondes / 1000000);
}

}  // namespace talvik

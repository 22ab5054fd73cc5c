// RenduDiffere: draws an editor's preview on a worker thread so that the
// window never waits for it. Requests are coalesced: while one drawing
// runs, only the latest request waits, and older ones are dropped. Each
// result comes back on the thread that owns the object, through the
// function given to the constructor, unless a newer one was handed over
// already.
#pragma once

#include <QObject>

#include <cstdint>
#include <functional>
#include <mutex>

#include "base/bitmap.h"
#include "derniere_demande.h"

namespace talvik {

class RenduDiffere : public QObject {
  Q_OBJECT

 public:
  using Travail = std::function<HBITMAP()>;
  using Reception = std::function<void(const HBITMAP&)>;

  // reception runs on the owner's thread with each result newer than the
  // last one handed over.
  explicit RenduDiffere(Reception reception, QObject* parent = nullptr);
  // Waits for the drawing under way (its result is dropped).
  ~RenduDiffere() override;
  RenduDiffere(const RenduDiffere&) = delete;
  RenduDiffere& operator=(const RenduDiffere&) = delete;

  // Asks for a new drawing. The work runs on the worker thread; it must
  // only read what nobody changes until Attend() returns or the result
  // arrives.
  void Demande(Travail travail);

  // Blocks until no drawing runs or waits, then hands the latest result
  // over at once (on the calling thread, which must be the owner's).
  // Callers use it before they change what the work reads, and tests to
  // see the result of their input.
  void Attend();

  // Nothing runs or waits.
  bool Libre() const;

 private:
  void Livre(std::uint64_t numero, const HBITMAP& image);

  Reception m_Reception;
  mutable std::mutex m_Verrou;
  std::uint64_t m_nLivre = 0;     // number of the last result handed over
  std::uint64_t m_nFini = 0;      // number of the last finished drawing
  HBITMAP m_Resultat;           // its result, until handed over
  DerniereDemande<HBITMAP> m_Fil;  // last: its worker uses the members above
};

}  // namespace talvik

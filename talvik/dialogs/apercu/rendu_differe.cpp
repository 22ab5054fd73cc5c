#include "dialogs/apercu/rendu_differe.h"

#include <exception>
#include <utility>

namespace talvik {

RenduDiffere::RenduDiffere(Reception reception, QObject* parent)
    : QObject(parent),
      m_Reception(std::move(reception)),
      m_Fil([this](std::uint64_t numero, HBITMAP image) {
        {
          std::lock_guard<std::mutex> verrou(m_Verrou);
          if (numero > m_nFini) {
            m_nFini = numero;
            m_Resultat = image;
          }
        }
        // Posted to the owner's thread; dropped with the object if it is gone.
        QMetaObject::invokeMethod(
            this, [this, numero, image] { Livre(numero, image); }, Qt::QueuedConnection);
      }) {}

RenduDiffere::~RenduDiffere() = default;

void RenduDiffere::Demande(Travail travail) {
  m_Fil.Demande([travail = std::move(travail)](const DerniereDemande<HBITMAP>::Actuelle&) {
    try {
      return travail();
    } catch (const std::exception&) {
      return HBITMAP();  // out of memory: no preview rather than a crash
    }
  });
}

bool RenduDiffere::Libre() const { return m_Fil.Libre(); }

void RenduDiffere::Attend() {
  m_Fil.Attend();
  std::uint64_t numero = 0;
  HBITMAP image;
  {
    std::lock_guard<std::mutex> verrou(m_Verrou);
    if (m_nFini <= m_nLivre) return;
    numero = m_nFini;
    image = m_Resultat;
  }
  Livre(numero, image);
}

void RenduDiffere::Livre(std::uint64_t numero, const HBITMAP& image) {
  {
    std::lock_guard<std::mutex> verrou(m_Verrou);
    if (numero <= m_nLivre) return;
    m_nLivre = numero;
    if (m_Resultat.SameAs(image)) m_Resultat = HBITMAP();
  }
  if (m_Reception) m_Reception(image);
}

}  // namespace talvik

#include "dialogs/apercu/rendu_differe.h"

#include <exception>
#include <utility>

namespace talvik {

RenduDiffere::RenduDiffere(Reception reception, QObject* parent)
    : QObject(parent), m_Reception(std::move(reception)), m_Fil([this] { Boucle(); }) {}

RenduDiffere::~RenduDiffere() {
  {
    std::lock_guard<std::mutex> verrou(m_Verrou);
    m_bArret = true;
    m_Attente = nullptr;
  }
  m_Condition.notify_all();
  m_Fil.join();
}

void RenduDiffere::Demande(Travail travail) {
  {
    std::lock_guard<std::mutex> verrou(m_Verrou);
    m_Attente = std::move(travail);
    ++m_nDemande;
  }
  m_Condition.notify_all();
}

bool RenduDiffere::Libre() const {
  std::lock_guard<std::mutex> verrou(m_Verrou);
  return !m_Attente && m_nEnCours == 0;
}

void RenduDiffere::Attend() {
  std::uint64_t numero = 0;
  HBITMAP image;
  {
    std::unique_lock<std::mutex> verrou(m_Verrou);
    m_Condition.wait(verrou, [this] { return !m_Attente && m_nEnCours == 0; });
    if (m_nFini <= m_nLivre) return;
    numero = m_nFini;
    image = m_Resultat;
  }
  Livre(numero, image);
}

void RenduDiffere::Boucle() {
  for (;;) {
    Travail travail;
    std::uint64_t numero = 0;
    {
      std::unique_lock<std::mutex> verrou(m_Verrou);
      m_Condition.wait(verrou, [this] { return m_bArret || bool(m_Attente); });
      if (m_bArret) return;
      travail = std::move(m_Attente);
      m_Attente = nullptr;
      numero = m_nDemande;
      m_nEnCours = numero;
    }
    HBITMAP image;
    try {
      image = travail();
    } catch (const std::exception&) {
      image = HBITMAP();  // out of memory: no preview rather than a crash
    }
    {
      std::lock_guard<std::mutex> verrou(m_Verrou);
      m_nEnCours = 0;
      if (numero > m_nFini) {
        m_nFini = numero;
        m_Resultat = image;
      }
    }
    m_Condition.notify_all();
    // Posted to the owner's thread; dropped with the object if it is gone.
    QMetaObject::invokeMethod(
        this, [this, numero, image] { Livre(numero, image); }, Qt::QueuedConnection);
  }
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

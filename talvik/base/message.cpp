#include "base/message.h"

#include <cstdio>
#include <mutex>
#include <utility>

namespace talvik {

namespace {

struct Hook {
  std::mutex mutex;
  MessageHook fonction;
};

Hook& LeHook() {
  static Hook hook;
  return hook;
}

thread_local CMessagesRetenus* t_retenus = nullptr;

int SurErreurStandard(const MessageUtilisateur& m) {
  std::fprintf(stderr, "%s\n", m.Ligne().c_str());
  return 1;
}

}  // namespace

std::string MessageUtilisateur::Ligne() const {
  std::string ligne = titre + ": " + texte;
  if (!fichier.empty()) ligne += ": " + fichier;
  return ligne;
}

MessageHook InstalleMessageHook(MessageHook hook) {
  Hook& h = LeHook();
  std::lock_guard<std::mutex> verrou(h.mutex);
  return std::exchange(h.fonction, std::move(hook));
}

int AfficheMessage(const MessageUtilisateur& message) {
  if (t_retenus) {
    t_retenus->messages_.push_back(message);
    return 1;
  }
  MessageHook fonction;
  {
    Hook& h = LeHook();
    std::lock_guard<std::mutex> verrou(h.mutex);
    fonction = h.fonction;
  }
  if (fonction) return fonction(message.texte, message.titre, message.icone);
  return SurErreurStandard(message);
}

int AfficheMessage(const std::string& texte, const std::string& titre, IconeMessage icone) {
  return AfficheMessage(MessageUtilisateur{0, texte, titre, icone, {}});
}

CMessagesRetenus::CMessagesRetenus() : englobant_(t_retenus) { t_retenus = this; }

CMessagesRetenus::~CMessagesRetenus() { t_retenus = englobant_; }

std::vector<MessageUtilisateur> CMessagesRetenus::Prend() { return std::exchange(messages_, {}); }

}  // namespace talvik

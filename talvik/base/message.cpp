#include "base/message.h"

#include <cstdio>
#include <utility>

namespace talvik {

namespace {

int MessageSurErreurStandard(const std::string& texte, const std::string& titre, IconeMessage) {
  std::fprintf(stderr, "%s: %s\n", titre.c_str(), texte.c_str());
  return 1;
}

MessageHook& Hook() {
  static MessageHook hook;
  return hook;
}

}  // namespace

MessageHook InstalleMessageHook(MessageHook hook) { return std::exchange(Hook(), std::move(hook)); }

int AfficheMessage(const std::string& texte, const std::string& titre, IconeMessage icone) {
  if (Hook()) return Hook()(texte, titre, icone);
  return MessageSurErreurStandard(texte, titre, icone);
}

}  // namespace talvik

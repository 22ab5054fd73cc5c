#include "attente.h"

#include <mutex>
#include <utility>

namespace lumaveil {

namespace {
std::mutex g_mutex;
HookAttente g_hook;
thread_local int t_profondeur = 0;

void Appelle(bool debut) {
  HookAttente h;
  {
    std::lock_guard<std::mutex> verrou(g_mutex);
    h = g_hook;
  }
  if (h) h(debut);
}
}  // namespace

HookAttente InstalleHookAttente(HookAttente hook) {
  std::lock_guard<std::mutex> verrou(g_mutex);
  return std::exchange(g_hook, std::move(hook));
}

CCurseurAttente::CCurseurAttente() {
  if (t_profondeur++ == 0) Appelle(true);
}

CCurseurAttente::~CCurseurAttente() {
  if (--t_profondeur == 0) Appelle(false);
}

}  // namespace lumaveil

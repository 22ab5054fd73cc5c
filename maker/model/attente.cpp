#include "attente.h"

#include <mutex>
#include <thread>
#include <utility>

namespace lumaveil {

namespace {
std::mutex g_mutex;
HookAttente g_hook;
std::thread::id g_fil;  // the thread that installed the hook
thread_local int t_imbrication = 0;

void Appelle(bool debut) {
  HookAttente h;
  {
    std::lock_guard<std::mutex> verrou(g_mutex);
    if (g_fil == std::this_thread::get_id()) h = g_hook;
  }
  if (h) h(debut);
}
}  // namespace

HookAttente InstalleHookAttente(HookAttente hook) {
  std::lock_guard<std::mutex> verrou(g_mutex);
  g_fil = std::this_thread::get_id();
  return std::exchange(g_hook, std::move(hook));
}

CCurseurAttente::CCurseurAttente() {
  if (t_imbrication++ == 0) Appelle(true);
}

CCurseurAttente::~CCurseurAttente() {
  if (--t_imbrication == 0) Appelle(false);
}

}  // namespace lumaveil

// Whether this build may start threads of its own. The browser build has
// one thread per worker (each of the page's workers holds its own copy of
// the core), so work that would run side by side runs on the caller's
// thread there; the native build keeps its threads.
#pragma once

namespace talvik {

#ifdef __EMSCRIPTEN__
inline constexpr bool kFilsPossibles = false;
#else
inline constexpr bool kFilsPossibles = true;
#endif

}  // namespace talvik

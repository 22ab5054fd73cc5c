// A stop request for long work on one thread. The owner of a worker thread
// gives it a flag (CArretFil); long decoding on that thread looks at the
// flag between its steps (every scan and every few rows of a JPEG) and
// gives up as it does for damaged data, without a message: whoever raised
// the flag no longer wants the result. A thread without a flag is never
// stopped.
#pragma once

#include <atomic>

namespace talvik {

// Makes `drapeau` the stop flag of the calling thread for the object's
// life (objects nest: the innermost one counts). The flag must outlive
// the object.
class CArretFil {
 public:
  explicit CArretFil(const std::atomic<bool>& drapeau);
  ~CArretFil();
  CArretFil(const CArretFil&) = delete;
  CArretFil& operator=(const CArretFil&) = delete;

 private:
  const std::atomic<bool>* precedent_;
};

// True when the calling thread has a stop flag and it is raised.
bool ArretDemande();

}  // namespace talvik

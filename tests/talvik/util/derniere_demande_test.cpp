// The worker where only the latest request counts: which requests run,
// what a running one is told, and when the owner sees the results.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <vector>

#include "derniere_demande.h"

namespace talvik {
namespace {

// A gate the test opens once the worker is inside a request.
struct Porte {
  std::mutex m;
  std::condition_variable cv;
  bool entre = false;
  bool ouverte = false;
  void Entre() {
    std::unique_lock<std::mutex> l(m);
    entre = true;
    cv.notify_all();
    cv.wait(l, [this] { return ouverte; });
  }
  void AttendEntree() {
    std::unique_lock<std::mutex> l(m);
    cv.wait(l, [this] { return entre; });
  }
  void Ouvre() {
    std::lock_guard<std::mutex> l(m);
    ouverte = true;
    cv.notify_all();
  }
};

TEST(DerniereDemande, OnlyTheLatestWaitingRequestRunsAndTheRunningOneLearnsItIsSuperseded) {
  std::mutex m;
  std::vector<std::pair<std::uint64_t, int>> finis;
  DerniereDemande<int> fil([&](std::uint64_t numero, int r) {
    std::lock_guard<std::mutex> l(m);
    finis.emplace_back(numero, r);
  });
  Porte porte;
  bool actuelleAvant = false, actuelleApres = true;
  const auto premier = fil.Demande([&](const DerniereDemande<int>::Actuelle& actuelle) {
    porte.Entre();
    actuelleAvant = actuelle();
    return 10;
  });
  porte.AttendEntree();
  EXPECT_FALSE(fil.Libre());
  fil.Demande([](const DerniereDemande<int>::Actuelle&) { return 20; });  // replaced: never runs
  const auto dernier = fil.Demande([&](const DerniereDemande<int>::Actuelle& actuelle) {
    actuelleApres = actuelle();
    return 30;
  });
  porte.Ouvre();
  fil.Attend();
  EXPECT_TRUE(fil.Libre());
  EXPECT_FALSE(actuelleAvant);  // newer requests had come while it ran
  EXPECT_TRUE(actuelleApres);
  // Each finished request's result was handed over before Attend returned.
  ASSERT_EQ(finis.size(), 2u);
  EXPECT_EQ(finis[0], std::make_pair(premier, 10));
  EXPECT_EQ(finis[1], std::make_pair(dernier, 30));
  EXPECT_EQ(dernier, premier + 2);
}

TEST(DerniereDemande, AfterRetireNoRequestCountsAndTheWaitingOneIsDropped) {
  int fins = 0;
  DerniereDemande<int> fil([&](std::uint64_t, int) { ++fins; });
  Porte porte;
  bool actuelle1 = true;
  int lances = 0;
  fil.Demande([&](const DerniereDemande<int>::Actuelle& actuelle) {
    ++lances;
    porte.Entre();
    actuelle1 = actuelle();
    return 1;
  });
  porte.AttendEntree();
  fil.Demande([&](const DerniereDemande<int>::Actuelle&) {
    ++lances;
    return 2;
  });
  fil.Retire();
  porte.Ouvre();
  fil.Attend();
  EXPECT_EQ(lances, 1);
  EXPECT_FALSE(actuelle1);
  EXPECT_EQ(fins, 1);  // the running one still ends through `fin`
}

}  // namespace
}  // namespace talvik

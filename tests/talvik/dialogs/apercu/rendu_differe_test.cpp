#include "dialogs/apercu/rendu_differe.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <vector>

namespace {

using namespace talvik;

// A picture whose width tells which request drew it.
HBITMAP Marque(int n) { return Bitmap::Create(n, 1); }

TEST(RenduDiffere, RequestsMadeWhileOneDrawsAreCoalescedIntoTheLatest) {
  std::vector<int> recus;
  RenduDiffere rendu([&recus](const HBITMAP& image) { recus.push_back(image.Width()); });

  // The first drawing waits until the test lets it go.
  std::mutex verrou;
  std::condition_variable condition;
  bool libre = false;
  std::atomic<int> dessins{0};
  rendu.Demande([&] {
    std::unique_lock<std::mutex> l(verrou);
    condition.wait(l, [&] { return libre; });
    ++dessins;
    return Marque(1);
  });
  for (int n = 2; n <= 20; ++n)
    rendu.Demande([&dessins, n] {
      ++dessins;
      return Marque(n);
    });
  EXPECT_FALSE(rendu.Libre());
  {
    std::lock_guard<std::mutex> l(verrou);
    libre = true;
  }
  condition.notify_all();
  rendu.Attend();
  EXPECT_TRUE(rendu.Libre());
  EXPECT_LE(dessins.load(), 2) << "only the first and the latest request are drawn";
  ASSERT_FALSE(recus.empty());
  EXPECT_EQ(recus.back(), 20);

  // The results still posted to the event loop are not handed over again,
  // and never after a newer one.
  QApplication::processEvents();
  QApplication::processEvents();
  EXPECT_EQ(recus.back(), 20);
  for (std::size_t i = 1; i < recus.size(); ++i) EXPECT_LT(recus[i - 1], recus[i]);
}

TEST(RenduDiffere, ResultArrivesThroughTheEventLoopWithoutWaiting) {
  int recu = 0;
  RenduDiffere rendu([&recu](const HBITMAP& image) { recu = image.Width(); });
  rendu.Demande([] { return Marque(7); });
  EXPECT_TRUE(QTest::qWaitFor([&recu] { return recu != 0; }, 5000));
  EXPECT_EQ(recu, 7);
}

}  // namespace

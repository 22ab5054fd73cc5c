// Waiting in a gtest test for what the event loop brings. Qt's QTRY_
// macros report a timeout to QTest's own log and return from the test,
// which gtest then counts as passed: these fail it instead, with the
// values compared.
#pragma once

#include <gtest/gtest.h>

#include <QTest>

// Processes events until `a == b` or `ms` milliseconds have gone, then
// asserts the equality.
#define ATTEND_EGAL(a, b, ms)                               \
  do {                                                      \
    QTest::qWaitFor([&] { return (a) == (b); }, (ms));      \
    ASSERT_EQ(a, b);                                        \
  } while (0)

// Processes events until `condition` holds or `ms` milliseconds have
// gone, then asserts it.
#define ATTEND_VRAI(condition, ms)                          \
  do {                                                      \
    QTest::qWaitFor([&] { return bool(condition); }, (ms)); \
    ASSERT_TRUE(condition);                                 \
  } while (0)

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <QtTest>

#include <chrono>
#include <type_traits>

namespace ravo::test {

// Turns the event loop until `done` holds, the way the program's own loop turns: woken by the
// window's events and timers, never sleeping in between (QTest's waits sleep 10 ms at every
// turn, which a run that goes on one turn per detector point would feel 85 times). False if
// `done` does not hold within the timeout, which only bounds a test that has gone wrong.
template <typename Done>
bool waitUntil(Done done, std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    const QDeadlineTimer deadline(timeout);
    QTimer wake; // looks at `done` and the deadline even when nothing else happens
    wake.start(20);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

// Equal as QCOMPARE sees it: numbers of floating point to within its fuzz.
template <typename A, typename B> bool sameValue(const A& a, const B& b) {
    if constexpr (std::is_floating_point_v<A> || std::is_floating_point_v<B>)
        return qFuzzyCompare(double(a), double(b));
    else
        return a == b;
}

} // namespace ravo::test

// QTRY_VERIFY and QTRY_COMPARE with waitUntil: the test goes on as soon as the state is there.
#define RAVO_TRY_VERIFY(expr)                                                                      \
    do {                                                                                           \
        if (!::ravo::test::waitUntil([&] { return bool(expr); }))                                  \
            QFAIL("never came true: " #expr);                                                      \
    } while (false)

#define RAVO_TRY_COMPARE(actual, expected)                                                         \
    do {                                                                                           \
        (void)::ravo::test::waitUntil(                                                             \
            [&] { return ::ravo::test::sameValue((actual), (expected)); });                        \
        QCOMPARE(actual, expected);                                                                \
    } while (false)

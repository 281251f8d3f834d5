// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowRuns.h"

#include <QtTest>

#include <fstream>
#include <unistd.h>

using namespace ravo;
using ravo::test::TestWindow;

namespace {

// Resident memory of this process, in bytes.
long residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

bool hasMarkAt(frmRavo& w, int x, int y0, int y1) {
    return test::topmost(w, x, y0, y1, test::blueMark) >= 0;
}

} // namespace

// Many runs in one process: memory stays flat and every run ends as the first did.
class EnduranceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    void fiftyDefaultRuns() {
        TestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        test::answerWith(w, std::deque<bool>(50, true));
        QImage first;
        long afterFive = 0;
        for (int run = 1; run <= 50; ++run) {
            QVERIFY(test::runToEnd(w));
            QVERIFY(w.lastOutcome().completed);
            w.surface().endPainting();
            if (run == 1)
                first = w.canvas().image().copy();
            else if (const test::ImageDifference d = test::imageDifference(w.canvas().image(), first))
                QFAIL(qPrintable(QString("run %1: %2").arg(run).arg(d.text())));
            if (run == 5)
                afterFive = residentBytes();
        }
        const long afterFifty = residentBytes();
        qInfo("resident memory after run 5: %.1f MB, after run 50: %.1f MB", afterFive / 1e6,
              afterFifty / 1e6);
        QVERIFY2(std::abs(afterFifty - afterFive) < 5'000'000,
                 qPrintable(QString("grew by %1 bytes").arg(afterFifty - afterFive)));

        // Kept runs keep their numbers: forty more answered "No" stay within 25 MB.
        test::answerWith(w, std::deque<bool>(40, false));
        for (int run = 1; run <= 40; ++run)
            QVERIFY(test::runToEnd(w));
        QCOMPARE(w.readout().size(), std::size_t(41 * 85));
        const long afterNinety = residentBytes();
        qInfo("after 40 runs kept: %.1f MB", afterNinety / 1e6);
        QVERIFY2(afterNinety - afterFifty < 25'000'000,
                 qPrintable(QString("grew by %1 bytes").arg(afterNinety - afterFifty)));
    }

    // Twenty runs alternating dots and bars, answering the question both ways.
    void alternatingMarksAndAnswers() {
        TestWindow w;
        bool answer = false;
        int questions = 0;
        w.setAnswerProvider([&](std::string_view) {
            ++questions;
            answer = !answer;
            return answer;
        });
        for (int run = 1; run <= 20; ++run) {
            if (run % 2)
                w.form().click("opBody");
            else
                w.form().click("opPruhy");
            QVERIFY(test::runToEnd(w));
            QVERIFY(w.lastOutcome().completed);
            // Each run leaves the blue peak at x = 514, as a dot or as the top of a bar.
            QVERIFY(hasMarkAt(w, 514, 50, 62));
            QCOMPARE(w.settings().text(Setting::nStart), std::string("0"));
        }
        QCOMPARE(questions, 9); // dots runs 3, 5, ..., 19
        QCOMPARE(w.surface().penWidth(), 1);
    }
};

QTEST_MAIN(EnduranceTest)
#include "tst_endurance.moc"

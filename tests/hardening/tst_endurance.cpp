// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmRavo.h"

#include <QtTest>

#include <fstream>
#include <unistd.h>

using namespace ravo;

namespace {

// Resident memory of this process, in bytes.
long residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

bool hasMarkAt(frmRavo& w, int x, int y0, int y1) {
    w.surface().settle();
    const QImage& image = w.canvas().image();
    const qreal r = image.devicePixelRatio();
    for (int y = y0; y <= y1; ++y)
        if (image.pixel(int(x * r), int(y * r)) == qRgb(0, 0, 255))
            return true;
    return false;
}

} // namespace

// Many runs in one process: memory stays flat and every run ends as the first did.
class EnduranceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    void fiftyDefaultRuns() {
        frmRavo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.surface().setAnswerProvider([](std::string_view) { return true; });
        QImage first;
        long afterFive = 0;
        for (int run = 1; run <= 50; ++run) {
            w.cmdStart_Click();
            QVERIFY(w.lastOutcome().completed);
            w.surface().settle();
            if (run == 1)
                first = w.canvas().image().copy();
            else
                QVERIFY2(w.canvas().image() == first, qPrintable(QString::number(run)));
            if (run == 5)
                afterFive = residentBytes();
        }
        const long afterFifty = residentBytes();
        qInfo("resident memory after run 5: %.1f MB, after run 50: %.1f MB", afterFive / 1e6,
              afterFifty / 1e6);
        QVERIFY2(std::abs(afterFifty - afterFive) < 5'000'000,
                 qPrintable(QString("grew by %1 bytes").arg(afterFifty - afterFive)));
    }

    // Twenty runs alternating dots and bars, answering the question both ways.
    void alternatingMarksAndAnswers() {
        frmRavo w;
        bool answer = false;
        int questions = 0;
        w.surface().setAnswerProvider([&](std::string_view) {
            ++questions;
            answer = !answer;
            return answer;
        });
        for (int run = 1; run <= 20; ++run) {
            if (run % 2)
                w.opBody_Click();
            else
                w.opPruhy_Click();
            w.cmdStart_Click();
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

// SPDX-License-Identifier: GPL-3.0-or-later
// Six sequences of runs, each in a new window at the design size, compared pixel for pixel
// with pictures of the window kept in tests/golden. RAVO_WRITE_GOLDEN=1 writes them anew.
#include "ImageCompare.h"
#include "TestWindow.h"
#include "WindowControls.h"

#include <QLineEdit>
#include <QtTest>

#include <deque>

using namespace ravo;
using ravo::test::control;
using ravo::test::TestWindow;
using ravo::test::u;

namespace {

// One step of a sequence: a click on a control, a typed frequency, or a run with the
// answers its question gets.
struct Step {
    enum Kind { Click, Type, Run } kind;
    const char* what = nullptr;
    std::deque<bool> answers = {};
};

Step click(const char* name) {
    return {Step::Click, name};
}
Step type(const char* text) {
    return {Step::Type, text};
}
Step run(std::deque<bool> answers = {}) {
    return {Step::Run, nullptr, std::move(answers)};
}

// A whole run started by "Start", its questions answered in turn.
void runAnswering(frmRavo& w, std::deque<bool> answers) {
    w.setAnswerProvider([&answers](std::string_view) {
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.pop_front();
        return yes;
    });
    w.setMessageSink([](std::string_view) {});
    QTest::mouseClick(control(w, "cmdStart"), Qt::LeftButton);
    RAVO_TRY_VERIFY(!w.running());
    QVERIFY(answers.empty());
}

void perform(frmRavo& w, const Step& step) {
    switch (step.kind) {
    case Step::Click:
        QTest::mouseClick(control(w, step.what), Qt::LeftButton, {}, QPoint(6, 8));
        break;
    case Step::Type:
        control<QLineEdit>(w, "nKmitočet")->setText(u(step.what));
        break;
    case Step::Run:
        runAnswering(w, step.answers);
        break;
    }
}

QImage picture(frmRavo& w) {
    QCoreApplication::processEvents();
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

Q_DECLARE_METATYPE(std::vector<Step>)

class GoldenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    void sequence_data() {
        QTest::addColumn<std::vector<Step>>("steps");
        QTest::newRow("default") << std::vector<Step>{run()};
        QTest::newRow("red_kept") << std::vector<Step>{run(), click("opČervený"), run({false})};
        QTest::newRow("green_erased") << std::vector<Step>{run(), click("opČervený"), run({false}),
                                                           click("OpZelená"), run({true})};
        QTest::newRow("bars") << std::vector<Step>{click("opPruhy"), run(), click("opMalý"),
                                                   click("opIndexMalý"), run()};
        QTest::newRow("half_aperture") << std::vector<Step>{click("opPůlAno"),
                                                            click("opClonaUy39"),
                                                            click("chDisperze"),
                                                            click("opČervený"),
                                                            run(),
                                                            click("opPůlNe"),
                                                            click("opClonaUzka"),
                                                            click("opStřední"),
                                                            click("opIndexVelký"),
                                                            click("OpZelená"),
                                                            run({false})};
        QTest::newRow("typed") << std::vector<Step>{type("1.0"), run(),       type("abc"),
                                                    run(),       type("0.6"), run({false})};
    }

    void sequence() {
        QFETCH(std::vector<Step>, steps);
        TestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.size(), QSize(800, 581));
        for (const Step& step : steps)
            perform(w, step);
        const QImage shown = picture(w);
        const QString file = QStringLiteral(RAVO_GOLDEN_DIR "/%1.png").arg(QTest::currentDataTag());
        if (qEnvironmentVariableIsSet("RAVO_WRITE_GOLDEN")) {
            QVERIFY(shown.save(file));
            return;
        }
        const QImage kept = QImage(file).convertToFormat(QImage::Format_RGB32);
        compare(kept, shown, file);
        // The picture drawn again from the runs' records is the same.
        const int redraws = w.canvas().redrawCount();
        w.canvas().renew(true);
        QCOMPARE(w.canvas().redrawCount(), redraws + 1);
        compare(kept, picture(w), file);
    }

private:
    static void compare(const QImage& kept, const QImage& shown, const QString& file) {
        if (const test::ImageDifference d = test::imageDifference(shown, kept)) {
            shown.save(QDir::temp().filePath(QFileInfo(file).fileName()));
            QFAIL(qPrintable(d.text()));
        }
    }
};

QTEST_MAIN(GoldenTest)
#include "tst_golden.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberText.h"
#include "PathSum.h"
#include "RunHelpers.h"

#include <QtTest>

#include <cmath>
#include <numbers>

using namespace ravo;
using namespace ravo::test;

namespace {

struct Detector {
    int lines = 0; // rays, arrows, base lines and spiral segments of its paths
    Call resultant{};
};

bool isResultant(const Call& c) {
    return c.kind == Call::Line && c.role == Role::Resultant && c.y1 == 440.5f && c.penWidth == 2;
}

// Splits the path sum of a recorded run into its detector points: the lines drawn after
// the incoming rays, up to each green resultant.
std::vector<Detector> detectorsOf(const RecordingSurface& s) {
    std::vector<Detector> out;
    std::size_t i = 0;
    // The last incoming ray is the line from (1, 540.5) to (50, 540.5).
    const Call lastRay = Call::line(1, 540.5f, 50, 540.5f, Role::Ray, 1);
    while (s.calls[i] != lastRay)
        ++i;
    Detector current;
    for (++i; i < s.calls.size(); ++i) {
        const Call& c = s.calls[i];
        if (c.kind != Call::Line || c.role == Role::WhiteSample)
            continue;
        if (isResultant(c)) {
            current.resultant = c;
            out.push_back(current);
            current = {};
        } else if (!(c.x1 == c.x2 && c.y2 == 230.5f)) { // not a bar mark
            ++current.lines;
        }
    }
    return out;
}

std::size_t peakOf(const std::vector<PointResult>& points) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < points.size(); ++i)
        if (points[i].probability > points[best].probability)
            best = i;
    return best;
}

// True when the value is within tolerance of the expected one; says what it was if not.
bool near(double value, double expected, double tolerance) {
    if (std::abs(value - expected) < tolerance)
        return true;
    qWarning("got %.6f, expected %.6f", value, expected);
    return false;
}

} // namespace

class PathSumTest : public QObject {
    Q_OBJECT

private slots:
    void peaksOfEachLight_data() {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("dispersion");
        QTest::addColumn<QString>("half");
        QTest::addColumn<int>("peakPoint"); // 1-based detector point
        QTest::addColumn<double>("peakP");  // negative: not pinned
        QTest::addColumn<int>("light");
        QTest::newRow("blue") << "1"
                              << "Yes"
                              << "80" << 52 << 134.0 << int(Light::Blue);
        QTest::newRow("blue, no dispersion") << "1"
                                             << "No"
                                             << "80" << 52 << 134.0 << int(Light::Blue);
        QTest::newRow("green") << numberText(0.75).c_str() << "Yes"
                               << "80" << 60 << -1.0 << int(Light::Green);
        QTest::newRow("red") << numberText(0.5).c_str() << "Yes"
                             << "80" << 67 << -1.0 << int(Light::Red);
        QTest::newRow("red, no dispersion") << numberText(0.5).c_str() << "No"
                                            << "80" << 52 << 165.1 << int(Light::Red);
        QTest::newRow("half lens") << "1"
                                   << "Yes"
                                   << "40" << 52 << 77.3 << int(Light::Blue);
    }
    void peaksOfEachLight() {
        QFETCH(QString, frequency);
        QFETCH(QString, dispersion);
        QFETCH(QString, half);
        QFETCH(int, peakPoint);
        QFETCH(double, peakP);
        QFETCH(int, light);
        TableSettings settings;
        settings.values[Setting::nKmitočet] = frequency.toStdString();
        settings.values[Setting::nDisperze] = dispersion.toStdString();
        settings.values[Setting::nPůlLupy] = half.toStdString();
        const std::vector<PointResult> points = pointsOf(settings);

        QCOMPARE(points.size(), std::size_t(85));
        const std::size_t peak = peakOf(points);
        QCOMPARE(points[peak].index, peakPoint);
        QCOMPARE(points[peak].x, double(150 + 7 * peakPoint));
        if (peakP > 0)
            QVERIFY(near(points[peak].probability, peakP, 0.06));
        for (const PointResult& p : points) {
            QVERIFY(p.mark);
            QCOMPARE(int(p.mark->light), light);
            // No mark leaves the top of the drawing.
            QVERIFY(p.markY > 0);
        }
    }

    // The run draws each detector point's mark where the path sum puts it, and hands the
    // points out in the order it drew them.
    void marksDrawnFromThePathSum_data() {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("half");
        QTest::addColumn<QString>("aperture");
        QTest::newRow("blue dots") << "1"
                                   << "Body"
                                   << "80"
                                   << "0";
        QTest::newRow("green bars, half lens") << numberText(0.75).c_str() << "Pruhy"
                                               << "40"
                                               << "50";
        QTest::newRow("red dots, narrow") << numberText(0.5).c_str() << "Body"
                                          << "80"
                                          << "100";
    }
    void marksDrawnFromThePathSum() {
        QFETCH(QString, frequency);
        QFETCH(QString, kind);
        QFETCH(QString, half);
        QFETCH(QString, aperture);
        TableSettings settings;
        settings.values[Setting::nKmitočet] = frequency.toStdString();
        settings.values[Setting::nZobrazení] = kind.toStdString();
        settings.values[Setting::nPůlLupy] = half.toStdString();
        settings.values[Setting::nClona] = aperture.toStdString();
        const std::vector<PointResult> points = pointsOf(settings);
        RecordingSurface surface;
        const RunOutcome outcome = runOnce(settings, surface);
        QVERIFY(outcome.points == points);

        const auto marks = marksOf(surface);
        QCOMPARE(marks.size(), points.size());
        for (std::size_t i = 0; i < marks.size(); ++i) {
            // Exactly the single-precision values of the sum's numbers.
            QVERIFY(marks[i].x == float(points[i].x));
            QVERIFY(marks[i].markY == float(points[i].markY));
            QCOMPARE(marks[i].role, markRole(points[i].mark->light));
            QCOMPARE(marks[i].bar, kind == "Pruhy");
            QCOMPARE(marks[i].penWidth, 2);
        }
        // Each green resultant ends where the path sum's spiral ends.
        const auto detectors = detectorsOf(surface);
        QCOMPARE(detectors.size(), points.size());
        const PathSum sum(PathSumParameters::from(settings));
        for (std::size_t i = 0; i < detectors.size(); ++i) {
            const DetectorTrace trace = sum.trace(int(i) + 1);
            QVERIFY(trace.result == points[i]);
            QVERIFY(detectors[i].resultant.x2 == float(trace.paths.back().spiralX));
            QVERIFY(detectors[i].resultant.y2 == float(trace.paths.back().spiralY));
        }
    }

    void defaultCurve() {
        TableSettings settings;
        const std::vector<PointResult> p = pointsOf(settings);
        QCOMPARE(p.size(), std::size_t(85));
        QVERIFY(near(p[0].probability, 0.26, 0.006));
        QVERIFY(near(p[50].probability, 131.7, 0.06));
        QVERIFY(near(p[51].probability, 134.0, 0.06));
        QVERIFY(near(p[52].probability, 130.7, 0.06));
        QVERIFY(near(p[51].markY, 56.3, 0.06));
        for (const PointResult& point : p)
            QVERIFY(std::isfinite(point.probability));

        RecordingSurface surface;
        runOnce(settings, surface);
        QCOMPARE(surface.nonFinite, 0);
    }

    void barsRiseFromBaseLine() {
        TableSettings settings;
        settings.values[Setting::nZobrazení] = "Pruhy";
        RecordingSurface surface;
        runOnce(settings, surface);
        const auto marks = marksOf(surface);
        QCOMPARE(marks.size(), std::size_t(85));
        for (std::size_t i = 0; i < marks.size(); ++i) {
            QVERIFY(marks[i].bar);
            QCOMPARE(marks[i].x, float(157 + 7 * i));
            QCOMPARE(marks[i].penWidth, 2);
        }
        QCOMPARE(marks[51].markY, float(pointsOf(settings)[51].markY));
        QVERIFY(surface.ofKind(Call::Circle).size() == 1); // only the lens outline
    }

    void unknownMarkKindDrawsNoMark() {
        TableSettings settings;
        settings.values[Setting::nZobrazení] = "Xyz";
        RecordingSurface surface;
        QVERIFY(runOnce(settings, surface).completed);
        QVERIFY(marksOf(surface).empty());
        QCOMPARE(detectorsOf(surface).size(), std::size_t(85));
    }

    void countsOfPathsAndArrows_data() {
        QTest::addColumn<QString>("aperture");
        QTest::addColumn<QString>("half");
        QTest::addColumn<int>("paths");
        QTest::addColumn<int>("whitePerPoint");
        QTest::newRow("whole, 0") << "0"
                                  << "80" << 81 << 81;
        QTest::newRow("whole, 50") << "50"
                                   << "80" << 61 << 81;
        QTest::newRow("whole, 100") << "100"
                                    << "80" << 41 << 81;
        QTest::newRow("half, 0") << "0"
                                 << "40" << 41 << 41;
        QTest::newRow("half, 50") << "50"
                                  << "40" << 31 << 41;
        QTest::newRow("half, 100") << "100"
                                   << "40" << 21 << 41;
    }
    void countsOfPathsAndArrows() {
        QFETCH(QString, aperture);
        QFETCH(QString, half);
        QFETCH(int, paths);
        QFETCH(int, whitePerPoint);
        TableSettings settings;
        settings.values[Setting::nClona] = aperture.toStdString();
        settings.values[Setting::nPůlLupy] = half.toStdString();
        RecordingSurface surface;
        runOnce(settings, surface);
        const auto detectors = detectorsOf(surface);
        QCOMPARE(detectors.size(), std::size_t(85));
        for (std::size_t i = 0; i < detectors.size(); ++i) {
            QCOMPARE(detectors[i].lines, 5 * paths);
            QCOMPARE(detectors[i].resultant.x1, float(157 + 7 * i));
        }
        QCOMPARE(marksOf(surface).size(), std::size_t(85));
        const PathSum sum(PathSumParameters::from(settings));
        QCOMPARE(int(sum.trace(1).paths.size()), paths);
        QCOMPARE(int(sum.trace(85).paths.size()), paths);

        std::vector<Call> whiteLines;
        for (const Call& c : surface.calls)
            if (c.kind == Call::Line && c.role == Role::WhiteSample)
                whiteLines.push_back(c);
        QCOMPARE(int(whiteLines.size()), 16 * whitePerPoint);
        for (int k = 0; k < 16; ++k) {
            const Call& first = whiteLines[std::size_t(k * whitePerPoint)];
            QCOMPARE(first.x1, float(185 + 35 * k));
            QCOMPARE(first.y1, 290.5f);
            QCOMPARE(first.penWidth, 1);
            QVERIFY(std::abs(std::hypot(first.x2 - first.x1, first.y2 - first.y1) - 20) < 1e-3);
        }
        // The first path runs along the upper edge of the opening, the last 5 pixels apart
        // down to the lower edge (or the axis for the half lens).
        const float top = 90.5f + aperture.toFloat();
        std::vector<Call> raysOfFirstPoint;
        for (const Call& c : surface.calls)
            if (c.kind == Call::Line && c.x1 == 0 && c.role == Role::Ray &&
                raysOfFirstPoint.size() < std::size_t(paths))
                raysOfFirstPoint.push_back(c);
        QCOMPARE(raysOfFirstPoint.front().y1, top);
        QCOMPARE(raysOfFirstPoint.back().y1, top + 5.0f * float(paths - 1));
    }

    void resultantSpiralAndWidths() {
        TableSettings settings;
        RecordingSurface surface;
        runOnce(settings, surface);
        const auto detectors = detectorsOf(surface);
        for (const Detector& d : detectors) {
            QCOMPARE(d.resultant.role, Role::Resultant);
            QCOMPARE(d.resultant.penWidth, 2);
        }
        // Every path line and every white arrow is drawn with width 1; the run ends with 1.
        QCOMPARE(surface.penWidth, 1);
        // The first arrow turns by the travel time of the first path: with y downwards a
        // growing phase turns it clockwise. Arrow and spiral segment share the direction.
        const auto it = std::find_if(surface.calls.begin(), surface.calls.end(), [](const Call& c) {
            return c.kind == Call::Line && c.x1 == 157 && c.y1 == 290.5f && c.role == Role::Arrow;
        });
        QVERIFY(it != surface.calls.end());
        const Call arrow = *it;
        const Call spiral = *(it + 3);
        QCOMPARE(spiral.x1, 157.0f);
        QCOMPARE(spiral.y1, 440.5f);
        const double arrowAngle = std::atan2(arrow.y2 - arrow.y1, arrow.x2 - arrow.x1);
        const double spiralAngle = std::atan2(spiral.y2 - spiral.y1, spiral.x2 - spiral.x1);
        QVERIFY(std::abs(std::remainder(arrowAngle - spiralAngle, 2 * std::numbers::pi)) < 1e-4);
        QVERIFY(std::abs(std::hypot(spiral.x2 - spiral.x1, spiral.y2 - spiral.y1) - 1.5) < 1e-4);
        // The two base lines follow each arrow.
        QCOMPARE(*(it + 1), (Call::line(150, 440.5f, 750, 440.5f, Role::BaseLine, 1)));
        QCOMPARE(*(it + 2), (Call::line(150, 230.5f, 750, 230.5f, Role::BaseLine, 1)));
    }

    void endOfRunShowsCaptions() {
        TableSettings settings;
        RecordingSurface surface;
        QVERIFY(runOnce(settings, surface).completed);
        QCOMPARE(QString::fromStdString(settings.values[Setting::nStart]), QString("0"));
        const auto shown = surface.ofKind(Call::Show);
        QCOMPARE(shown.size(), std::size_t(3));
        QCOMPARE(QString::fromStdString(shown[0].text), QString::fromUtf8("nPravděpodobnost"));
        QCOMPARE(QString::fromStdString(shown[1].text), QString::fromUtf8("nSoučetRadiusvektorů"));
        QCOMPARE(QString::fromStdString(shown[2].text), QString::fromUtf8("nClonaOtvor"));
        QCOMPARE(surface.calls.back().kind, Call::Show);
    }

    // A typed "1.0" is the number 1 but not the text that "Blue" writes: the mark is blue,
    // but the glass adds no time, so the phase is 0.8 times the straight distance alone.
    void typedNumberWithoutGlassTime() {
        TableSettings settings;
        settings.values[Setting::nKmitočet] = "1.0";
        const PathSumParameters parameters = PathSumParameters::from(settings);
        QCOMPARE(parameters.factors.refractiveFactor, 0.0);
        QCOMPARE(parameters.mark, std::optional<MarkStyle>(MarkStyle{Light::Blue, 1.3}));

        const PathSum sum(parameters);
        const double faceX = 110 - 500 + std::sqrt(500.0 * 500.0 - 200.0 * 200.0);
        const double distance = std::hypot(157 - faceX, 200.0);
        QVERIFY(near(sum.trace(1).paths.front().phase, 0.8 * distance, 1e-9));

        // The arrow drawn for the first path turns by that phase.
        RecordingSurface surface;
        QVERIFY(runOnce(settings, surface).completed);
        const auto arrow =
            std::find_if(surface.calls.begin(), surface.calls.end(), [](const Call& c) {
                return c.kind == Call::Line && c.x1 == 157 && c.y1 == 290.5f &&
                       c.role == Role::Arrow;
            });
        QVERIFY(arrow != surface.calls.end());
        const double drawn = std::atan2(arrow->y2 - arrow->y1, arrow->x2 - arrow->x1);
        QVERIFY(std::abs(std::remainder(drawn - 0.8 * distance, 2 * std::numbers::pi)) < 1e-4);

        // The curve differs from that of "1", which counts the glass.
        TableSettings blueSettings;
        QVERIFY(std::abs(pointsOf(settings)[51].probability -
                         pointsOf(blueSettings)[51].probability) > 1);
    }

    void otherNumbersDrawNoMark_data() {
        QTest::addColumn<QString>("frequency");
        QTest::newRow("two") << "2";
        QTest::newRow("zero") << "0";
        QTest::newRow("negative") << "-1";
        QTest::newRow("large") << "1e300";
    }
    void otherNumbersDrawNoMark() {
        QFETCH(QString, frequency);
        TableSettings settings;
        settings.values[Setting::nKmitočet] = frequency.toStdString();
        RecordingSurface surface;
        QVERIFY(runOnce(settings, surface).completed);
        QVERIFY(marksOf(surface).empty());
        QVERIFY(!PathSumParameters::from(settings).mark);
        QCOMPARE(surface.nonFinite, 0);
        QCOMPARE(detectorsOf(surface).size(), std::size_t(85));
    }

    void refusedFrequencyDrawsNothing_data() {
        QTest::addColumn<QString>("frequency");
        for (const char* text : {"", "  ", "abc", "0,5", "inf", "nan", "1e999", "1e308", "0x1"})
            QTest::newRow(text[0] ? text : "empty") << text;
    }
    void refusedFrequencyDrawsNothing() {
        QFETCH(QString, frequency);
        TableSettings settings;
        settings.values[Setting::nKmitočet] = frequency.toStdString();
        settings.setText(Setting::nStart, "0");
        RecordingSurface surface;
        surface.penWidth = 1;
        const RunOutcome outcome = runOnce(settings, surface);
        QVERIFY(!outcome.completed);
        QCOMPARE(surface.calls.size(), std::size_t(1));
        QCOMPARE(surface.calls[0].kind, Call::Message);
        QVERIFY(QString::fromStdString(surface.calls[0].text).contains("0.75"));
        QCOMPARE(QString::fromStdString(settings.values[Setting::nStart]), QString("0"));
    }

    void countdownStepsPerPoint_data() {
        QTest::addColumn<QString>("slowDown");
        QTest::addColumn<qint64>("steps");
        QTest::newRow("fast") << "1" << qint64(85 * 200);
        QTest::newRow("scroll bar at 37") << "37" << qint64(85 * 7400);
    }
    void countdownStepsPerPoint() {
        QFETCH(QString, slowDown);
        QFETCH(qint64, steps);
        TableSettings settings;
        settings.values[Setting::nSpomaleni] = slowDown.toStdString();
        RecordingSurface surface;
        QCOMPARE(qint64(runOnce(settings, surface).countdownSteps), steps);
    }
};

QTEST_APPLESS_MAIN(PathSumTest)
#include "tst_pathsum.moc"

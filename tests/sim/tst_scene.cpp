// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunHelpers.h"
#include "SceneGeometry.h"

#include <QtTest>

#include <algorithm>

using namespace ravo;
using namespace ravo::test;

namespace {

// The grey rows drawn before the axis: the erase of a run.
std::vector<Call> eraseRows(const RecordingSurface& s) {
    std::vector<Call> rows;
    for (const Call& c : s.calls) {
        if (c.kind == Call::Line && c.role == Role::Axis)
            break; // the axis, the first line that is no erase
        if (c.kind == Call::Line)
            rows.push_back(c);
    }
    return rows;
}

std::vector<Call> linesOfWidth(const RecordingSurface& s, int width, Role role) {
    std::vector<Call> out;
    for (const Call& c : s.calls)
        if (c.kind == Call::Line && c.penWidth == width && c.role == role)
            out.push_back(c);
    return out;
}

struct Band {
    std::size_t rows;
    float left, right, top, bottom;
};

Band bandOf(const std::vector<Call>& rows) {
    Band b{rows.size(), 1e9f, -1e9f, 1e9f, -1e9f};
    for (const Call& r : rows) {
        b.left = std::min({b.left, r.x1, r.x2});
        b.right = std::max({b.right, r.x1, r.x2});
        b.top = std::min({b.top, r.y1, r.y2});
        b.bottom = std::max({b.bottom, r.y1, r.y2});
    }
    return b;
}

} // namespace

class SceneTest : public QObject {
    Q_OBJECT

private slots:
    void geometryFollowsSettings() {
        TableSettings settings;
        settings.values[Setting::nClona] = "50";
        settings.values[Setting::nPůlLupy] = "40";
        const SceneGeometry g = SceneGeometry::from(settings);
        QCOMPARE(g.axisY, 290.5);
        QCOMPARE(g.axisEndX, 750.0);
        QCOMPARE(g.glassTopY, 90.5);
        QCOMPARE(g.glassBottomY, 490.5);
        QCOMPARE(g.openingTopY, 140.5);
        QCOMPARE(g.openingBottomY, 440.5);
        QCOMPARE(g.surfaceCentreX, -390.0);
        QCOMPARE(g.halfFactor, 0.5);
        QCOMPARE(g.spiralBaseY, 440.5);
        QCOMPARE(g.markBaseY, 230.5);
    }

    void surfaceOfEachRadius_data() {
        QTest::addColumn<QString>("radius");
        QTest::addColumn<double>("edgeX");
        QTest::newRow("400") << "400" << 56.41;
        QTest::newRow("450") << "450" << 63.11;
        QTest::newRow("500") << "500" << 68.26;
    }
    void surfaceOfEachRadius() {
        QFETCH(QString, radius);
        QFETCH(double, edgeX);
        TableSettings settings;
        settings.values[Setting::nPoloměr] = radius.toStdString();
        const SceneGeometry g = SceneGeometry::from(settings);
        QCOMPARE(g.surfaceX(settings, g.axisY), 110.0);
        QVERIFY(std::abs(g.surfaceX(settings, 490.5) - edgeX) < 0.005);
        QVERIFY(std::abs(g.surfaceX(settings, 90.5) - edgeX) < 0.005);

        // The drawn glass: 400 rows from y = 91.5 to 490.5, each from the flat face to the
        // curved one, in light green.
        RecordingSurface surface;
        runOnce(settings, surface);
        const auto glass = linesOfWidth(surface, 2, Role::Glass);
        QCOMPARE(glass.size(), std::size_t(400));
        QCOMPARE(glass.front().y1, 91.5f);
        QCOMPARE(glass.back().y1, 490.5f);
        QVERIFY(std::abs(glass.back().x2 - edgeX) < 0.005);
        QCOMPARE(glass[199].y1, 290.5f);
        QCOMPARE(glass[199].x2, 110.0f);
        for (const Call& row : glass)
            QVERIFY(row.x1 == 50 && row.y1 == row.y2 && row.x2 >= float(edgeX) - 0.01f);
    }

    void eraseByModeRunAndAnswer_data() {
        QTest::addColumn<QString>("mapping");
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<int>("bandRows");  // rows of the prompt band first (dots mode)
        QTest::addColumn<int>("rows");      // rows after the band
        QTest::addColumn<QRectF>("extent"); // left, top, right, bottom of those rows
        QTest::newRow("bars, first run")
            << "Pruhy"
            << "1" << false << false << 0 << 555 << QRectF(QPointF(10, 26), QPointF(800, 580));
        QTest::newRow("bars, later run")
            << "Pruhy"
            << "0" << true << false << 0 << 555 << QRectF(QPointF(10, 26), QPointF(800, 580));
        QTest::newRow("dots, first run") << "Body"
                                         << "1" << false << false << 26 << 0 << QRectF();
        QTest::newRow("dots, later, No")
            << "Body"
            << "0" << false << true << 26 << 251 << QRectF(QPointF(250, 321), QPointF(800, 571));
        QTest::newRow("dots, later, Yes")
            << "Body"
            << "0" << true << true << 26 << 555 << QRectF(QPointF(1, 26), QPointF(800, 580));
        QTest::newRow("no mark kind, later")
            << "Xyz"
            << "0" << false << true << 26 << 251 << QRectF(QPointF(250, 321), QPointF(800, 571));
    }
    void eraseByModeRunAndAnswer() {
        QFETCH(QString, mapping);
        QFETCH(QString, start);
        QFETCH(bool, answer);
        QFETCH(bool, asks);
        QFETCH(int, bandRows);
        QFETCH(int, rows);
        QFETCH(QRectF, extent);
        TableSettings settings;
        settings.values[Setting::nZobrazení] = mapping.toStdString();
        settings.values[Setting::nStart] = start.toStdString();
        RecordingSurface surface;
        surface.answers = {answer};
        runOnce(settings, surface);

        const auto questions = surface.ofKind(Call::Question);
        QCOMPARE(questions.size(), std::size_t(asks ? 1 : 0));
        if (asks)
            QCOMPARE(QString::fromStdString(questions[0].text), QString("Delete probability"));

        const auto erased = eraseRows(surface);
        QCOMPARE(int(erased.size()), bandRows + rows);
        for (const Call& row : erased) {
            QCOMPARE(row.role, Role::Erase);
            QCOMPARE(row.y1, row.y2);
            QCOMPARE(row.penWidth, 1);
        }
        if (bandRows > 0) {
            const std::vector<Call> band(erased.begin(), erased.begin() + bandRows);
            const Band b = bandOf(band);
            QCOMPARE(b.left, 200.0f);
            QCOMPARE(b.right, 600.0f);
            QCOMPARE(b.top, 240.0f);
            QCOMPARE(b.bottom, 265.0f);
            QVERIFY(band.front().y1 < band.back().y1); // in increasing y
        }
        if (rows > 0) {
            const std::vector<Call> rest(erased.begin() + bandRows, erased.end());
            const Band b = bandOf(rest);
            QCOMPARE(b.left, float(extent.left()));
            QCOMPARE(b.right, float(extent.right()));
            QCOMPARE(b.top, float(extent.top()));
            QCOMPARE(b.bottom, float(extent.bottom()));
            QVERIFY(rest.front().y1 > rest.back().y1); // counted upward from the bottom
            // One row per pixel row, none twice.
            for (std::size_t i = 1; i < rest.size(); ++i)
                QCOMPARE(rest[i - 1].y1 - rest[i].y1, 1.0f);
        }
        // The question, if any, comes after the prompt band and before the other rows.
        if (asks) {
            const auto at = std::find_if(surface.calls.begin(), surface.calls.end(),
                                         [](const Call& c) { return c.kind == Call::Question; });
            const auto linesBefore = std::count_if(
                surface.calls.begin(), at, [](const Call& c) { return c.kind == Call::Line; });
            QCOMPARE(int(linesBefore), bandRows);
        }
    }

    void bladesForEachOpening_data() {
        QTest::addColumn<QString>("aperture");
        QTest::addColumn<QString>("half");
        QTest::addColumn<float>("upperEnd");
        QTest::addColumn<float>("lowerStart");
        QTest::newRow("whole, 0") << "0"
                                  << "80" << 90.5f << 490.5f;
        QTest::newRow("whole, 50") << "50"
                                   << "80" << 140.5f << 440.5f;
        QTest::newRow("whole, 100") << "100"
                                    << "80" << 190.5f << 390.5f;
        QTest::newRow("half, 0") << "0"
                                 << "40" << 90.5f << 290.5f;
        QTest::newRow("half, 50") << "50"
                                  << "40" << 140.5f << 290.5f;
        QTest::newRow("half, 100") << "100"
                                   << "40" << 190.5f << 290.5f;
    }
    void bladesForEachOpening() {
        QFETCH(QString, aperture);
        QFETCH(QString, half);
        QFETCH(float, upperEnd);
        QFETCH(float, lowerStart);
        TableSettings settings;
        settings.values[Setting::nClona] = aperture.toStdString();
        settings.values[Setting::nPůlLupy] = half.toStdString();
        RecordingSurface surface;
        runOnce(settings, surface);
        const auto blades = linesOfWidth(surface, 4, Role::Blade);
        QCOMPARE(blades.size(), std::size_t(2));
        QCOMPARE(blades[0], (Call::line(50, 20, 50, upperEnd, Role::Blade, 4)));
        QCOMPARE(blades[1], (Call::line(50, lowerStart, 50, 540.5f, Role::Blade, 4)));
        // The glass always fills the whole height of the lens.
        QCOMPARE(linesOfWidth(surface, 2, Role::Glass).size(), std::size_t(400));
    }

    // The static scene in its order, with its pen widths.
    void staticSceneOrder() {
        TableSettings settings;
        settings.values[Setting::nPoloměr] = "450";
        RecordingSurface surface;
        runOnce(settings, surface);
        const auto& calls = surface.calls;
        QCOMPARE(calls.front().kind, Call::ScaleToPixels);

        std::size_t i = 1 + eraseRows(surface).size();
        QCOMPARE(calls[i], (Call::line(50, 290.5f, 750, 290.5f, Role::Axis, 1)));
        ++i;
        QCOMPARE(calls[i].kind, Call::PenWidth);
        QCOMPARE(calls[i].penWidth, 2);
        i += 1 + 400; // the glass rows
        QCOMPARE(calls[i], (Call::circle(-340, 290.5f, 450, Role::LensOutline, 2)));
        ++i;
        for (int m = 1; m <= 100; ++m, i += 2) {
            QCOMPARE(calls[i], (Call::line(1, 90.5f - m, 100, 90.5f - m, Role::Erase, 2)));
            QCOMPARE(calls[i + 1], (Call::line(1, 490.5f + m, 100, 490.5f + m, Role::Erase, 2)));
        }
        QCOMPARE(calls[i].kind, Call::PenWidth);
        QCOMPARE(calls[i].penWidth, 4);
        i += 3; // width 4 and the two blades
        QCOMPARE(calls[i].kind, Call::PenWidth);
        QCOMPARE(calls[i].penWidth, 1);
        ++i;
        for (int k = 0; k <= 100; ++k, ++i)
            QCOMPARE(calls[i], (Call::line(1, 40.5f + 5 * k, 50, 40.5f + 5 * k, Role::Ray, 1)));
        // The path sum follows: its first call is the first ray of the first detector point;
        // it ends 5 pixels beyond the lens face.
        QCOMPARE(calls[i].kind, Call::Line);
        QCOMPARE(calls[i].x1, 0.0f);
        QCOMPARE(calls[i].y1, 90.5f);
        QVERIFY(std::abs(calls[i].x2 - 68.11f) < 0.01f);
    }
};

QTEST_APPLESS_MAIN(SceneTest)
#include "tst_scene.moc"

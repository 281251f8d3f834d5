// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageCompare.h"
#include "PixelSpans.h"

#include <QPainter>
#include <QtTest>

#include <cmath>
#include <vector>

using namespace ravo;

namespace {

// A line in logical pixels.
struct Line {
    float x1, y1, x2, y2;
};

// A kind of line: the picture's scale (as its device pixel ratio, or as the painter's
// scale), the pen's width, the direction, and whether it lies on a pixel's edge or middle.
struct Kind {
    int scale, width;
    bool vertical, reversed, halfway, painterScale;

    // The kind of the test's current data row.
    static Kind fetched() {
        QFETCH(int, scale);
        QFETCH(int, width);
        QFETCH(bool, vertical);
        QFETCH(bool, reversed);
        QFETCH(bool, halfway);
        QFETCH(bool, painterScale);
        return {scale, width, vertical, reversed, halfway, painterScale};
    }
};

// Lines of one kind, in bands across the picture; lines in one band do not touch.
class Batch {
public:
    static constexpr int side = 840; // logical pixels
    static constexpr int spacing = 6;
    static constexpr float margin = 4; // logical pixels between lines in one band

    explicit Batch(const Kind& kind)
        : scale_(kind.scale), width_(kind.width), vertical_(kind.vertical),
          reversed_(kind.reversed), offset_(kind.halfway ? 0.5f / float(kind.scale) : 0),
          painterScale_(kind.painterScale) {}

    // A line from low to high along, in the first band that is free there. Lines come
    // roughly in order along, so a band is free where its last line ended well before.
    void add(float low, float high) {
        const int bands = side / spacing - 2;
        std::size_t band = 0;
        while (band < bandEnds_.size() && bandEnds_[band] + margin >= low)
            ++band;
        if (band == bandEnds_.size()) {
            if (int(band) == bands) {
                check();
                band = 0;
            }
            if (band == bandEnds_.size())
                bandEnds_.push_back(0);
        }
        bandEnds_[band] = high;
        const float across = float(spacing * (1 + int(band))) + offset_;
        const float a = reversed_ ? high : low, b = reversed_ ? low : high;
        lines_.push_back(vertical_ ? Line{across, a, across, b} : Line{a, across, b, across});
    }

    // Draws the lines through QPainter and through the spans, and compares the pictures.
    void check() {
        if (lines_.empty())
            return;
        if (painted_.isNull()) {
            painted_ = blank();
            spanned_ = blank();
        }
        painted_.fill(qRgb(192, 192, 192));
        spanned_.fill(qRgb(192, 192, 192));
        draw(painted_, false);
        draw(spanned_, true);
        if (const test::ImageDifference d = test::imageDifference(spanned_, painted_))
            QFAIL(qPrintable(explain(d)));
        lines_.clear();
        bandEnds_.clear();
    }

    int spanned = 0;  // lines the spans drew
    int fellBack = 0; // lines left to QPainter

private:
    QImage blank() const {
        const int device = side * scale_;
        QImage image(device, device, QImage::Format_RGB32);
        if (!painterScale_)
            image.setDevicePixelRatio(scale_);
        return image;
    }

    void draw(QImage& image, bool useSpans) {
        QPainter painter(&image);
        if (painterScale_)
            painter.scale(scale_, scale_);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::blue, width_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (const Line& l : lines_) {
            const double k = scale_;
            if (useSpans && spans_.drawLine(image, scale_, width_, qRgb(0, 0, 255), k * l.x1,
                                            k * l.y1, k * l.x2, k * l.y2)) {
                ++spanned;
                continue;
            }
            fellBack += useSpans;
            painter.drawLine(QLineF(l.x1, l.y1, l.x2, l.y2));
        }
    }

    // The first pixel that differs, and the line drawn there.
    QString explain(const test::ImageDifference& d) const {
        if (d.first.x() < 0)
            return d.text();
        const int x = d.first.x(), y = d.first.y();
        const float across = float(vertical_ ? x : y) / float(scale_);
        const float along = float(vertical_ ? y : x) / float(scale_);
        Line l{};
        for (const Line& candidate : lines_) {
            const float c = vertical_ ? candidate.x1 : candidate.y1;
            const float e1 = vertical_ ? candidate.y1 : candidate.x1;
            const float e2 = vertical_ ? candidate.y2 : candidate.x2;
            if (std::abs(c - across) < spacing / 2 && along > std::min(e1, e2) - margin &&
                along < std::max(e1, e2) + margin)
                l = candidate;
        }
        return QString("%1; at device pixel (%2, %3): QPainter %4, spans %5; line "
                       "(%6, %7)-(%8, %9) scale %10 width %11")
            .arg(d.text())
            .arg(x)
            .arg(y)
            .arg(painted_.pixel(x, y), 0, 16)
            .arg(spanned_.pixel(x, y), 0, 16)
            .arg(double(l.x1), 0, 'g', 9)
            .arg(double(l.y1), 0, 'g', 9)
            .arg(double(l.x2), 0, 'g', 9)
            .arg(double(l.y2), 0, 'g', 9)
            .arg(scale_)
            .arg(width_);
    }

    int scale_, width_;
    bool vertical_, reversed_;
    float offset_;
    bool painterScale_;
    std::vector<Line> lines_;
    std::vector<float> bandEnds_; // where each band's last line ends, along
    QImage painted_, spanned_;

public:
    PixelSpans spans_;
};

// The floats nearest to a value, and the value itself.
std::vector<float> around(double value) {
    const auto f = float(value);
    return {std::nextafter(f, -INFINITY), f, std::nextafter(f, INFINITY)};
}

} // namespace

class PixelSpansTest : public QObject {
    Q_OBJECT

private slots:
    void kinds_data() {
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<bool>("reversed");
        QTest::addColumn<bool>("halfway");
        QTest::addColumn<bool>("painterScale");
        for (int scale : {1, 2})
            for (int width : {1, 2, 4})
                for (bool vertical : {false, true})
                    for (bool reversed : {false, true})
                        for (bool halfway : {false, true})
                            for (bool painterScale : {false, true}) {
                                if (scale == 1 && painterScale)
                                    continue;
                                QTest::addRow("x%d w%d %s %s %s%s", scale, width,
                                              vertical ? "vertical" : "horizontal",
                                              reversed ? "reversed" : "forward",
                                              halfway ? "mid-pixel" : "pixel-edge",
                                              painterScale ? " scaled painter" : "")
                                    << scale << width << vertical << reversed << halfway
                                    << painterScale;
                            }
    }

    // Every 1/64 of a pixel for either end, near the origin, in the middle and at the far
    // edge of the picture, including lines that run out of it on either side.
    void kinds() {
        const Kind kind = Kind::fetched();
        Batch batch(kind);
        for (int whole : {-3, 0, 1, 37, 400, 798, 838, 845}) {
            for (int i = 0; i < 64; ++i) {
                const float f = float(i) / 64;
                batch.add(float(whole) + f, float(whole) + 20.25f);
                batch.add(float(whole) - 20.75f, float(whole) + f);
                if (QTest::currentTestFailed())
                    return;
            }
        }
        // Short lines, both ends moving.
        for (int i = 0; i < 64; ++i)
            for (int length = 1; length <= 4 * 64; length += 13) {
                const float low = 100 + float(i) / 64;
                batch.add(low, low + float(length) / 64);
                if (QTest::currentTestFailed())
                    return;
            }
        // Whole lines out of the picture, and one across all of it.
        batch.add(-50, -10);
        batch.add(900, 1200);
        batch.add(-100.25f, 1000.75f);
        batch.check();
        if (PixelSpans::proven(kind.scale, kind.width))
            QVERIFY(batch.spanned > 0);
        else
            QCOMPARE(batch.spanned, 0);
    }

    // The learnt fractions, met exactly and missed by the least a float can, at every
    // whole position across the picture.
    void stepsHoldEverywhere_data() { kinds_data(); }
    void stepsHoldEverywhere() {
        const Kind k = Kind::fetched();
        if (!PixelSpans::proven(k.scale, k.width))
            QSKIP("drawn by QPainter");
        Batch batch(k);
        const PixelSpans::Pattern& pattern = batch.spans_.pattern(
            QImage::Format_RGB32, k.scale, k.width, k.vertical, k.reversed, k.halfway);
        QVERIFY(pattern.usable);
        std::vector<double> steps;
        for (const PixelSpans::Row& r : pattern.rows)
            for (double step : {r.lowStep, r.highStep})
                if (step < 1 && std::find(steps.begin(), steps.end(), step) == steps.end())
                    steps.push_back(step);
        for (double step : steps)
            for (int device = 0; device < Batch::side * k.scale; device += 5) {
                for (float end : around((device + step) / k.scale)) {
                    batch.add(end, end + 30);
                    batch.add(end - 30, end);
                }
                if (QTest::currentTestFailed())
                    return;
            }
        batch.check();
    }

    // What the spans do not draw stays with QPainter: slanted lines, single points, lines
    // that lie neither on a pixel's edge nor its middle, lines shorter than a pixel,
    // and scales and widths not shown to agree.
    void leavesOtherLinesToThePainter() {
        PixelSpans spans;
        QImage image(200, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        const QImage before = image.copy();
        QVERIFY(!spans.drawLine(image, 1, 1, qRgb(0, 0, 0), 10, 10, 50, 11));
        QVERIFY(!spans.drawLine(image, 1, 1, qRgb(0, 0, 0), 10, 10, 10, 10));
        QVERIFY(!spans.drawLine(image, 1, 1, qRgb(0, 0, 0), 10, 10.25, 50, 10.25));
        QVERIFY(!spans.drawLine(image, 1, 1, qRgb(0, 0, 0), 10, 10.5, 10.75, 10.5));
        QVERIFY(!spans.drawLine(image, 3, 1, qRgb(0, 0, 0), 30, 30, 90, 30));
        QVERIFY(!spans.drawLine(image, 1, 2, qRgb(0, 0, 0), 10, 10.5, 50, 10.5));
        QVERIFY(!spans.drawLine(image, 1, 3, qRgb(0, 0, 0), 10, 10, 50, 10));
        QVERIFY(!spans.drawLine(image, 1, 1, qRgb(0, 0, 0), 10, 10, 1e6, 10));
        RAVO_COMPARE_IMAGES(image, before);
        QImage indexed(20, 20, QImage::Format_Indexed8);
        QVERIFY(!spans.drawLine(indexed, 1, 1, qRgb(0, 0, 0), 2, 10, 15, 10));
        QVERIFY(spans.drawLine(image, 1, 1, qRgb(0, 0, 0), 10, 10.5, 50, 10.5));
        QCOMPARE(image.pixel(30, 10), qRgb(0, 0, 0));
    }
};

QTEST_MAIN(PixelSpansTest)
#include "tst_pixelspans.moc"

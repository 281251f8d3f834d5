// SPDX-License-Identifier: GPL-3.0-or-later
#include "BandLine.h"
#include "ImageCompare.h"

#include <QPainter>
#include <QtTest>

#include <cmath>
#include <limits>
#include <random>

using namespace ravo;

namespace {

const QRgb white = qRgb(255, 255, 255);
const QRgb blue = qRgb(0, 0, 255);

// A line in design pixels at a scale as a band, against QPainter's aliased line with square
// ends of the same whole number of pixels: how many pixels differ, of how many it set.
std::pair<int, int> againstPainter(qreal scale, int width, QLineF line) {
    QImage painted(300, 300, QImage::Format_RGB32);
    painted.fill(white);
    QImage banded = painted.copy();
    const qreal pixels = std::round(width * scale);
    QPainter painter(&painted);
    painter.scale(scale, scale);
    painter.setPen(QPen(QBrush(blue), pixels / scale, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(line);
    painter.end();
    drawBandLine(banded, blue, line.x1() * scale, line.y1() * scale, line.x2() * scale,
                 line.y2() * scale, pixels);
    return {test::imageDifference(banded, painted).pixels, test::pixelsOf(painted, blue)};
}

} // namespace

class TestBandLine : public QObject {
    Q_OBJECT

private slots:
    // Horizontal and vertical lines, at any fraction of a pixel, either way round, are the
    // painter's pixels exactly, also where they run out of the picture. Slanted ones differ
    // from them only here and there where an edge passes next to a pixel's centre.
    void theLinesOfThePainter() {
        for (const qreal scale : {3.2, 3.6, 3.72, 4.221})
            for (const int width : {1, 2, 4})
                for (const qreal at : {20.0, 20.25, 20.5, 20.8})
                    for (const QLineF line :
                         {QLineF(10.3, at, 50.6, at), QLineF(50.6, at, 10.3, at),
                          QLineF(at, 10.3, at, 50.6), QLineF(at, 50.6, at, 10.3),
                          QLineF(-40, at, 400, at), QLineF(at, 70, at, 1e6)}) {
                        const auto [differ, set] = againstPainter(scale, width, line);
                        QVERIFY(set > 0);
                        QVERIFY2(differ == 0, qPrintable(QString("scale %1, width %2, at %3")
                                                             .arg(scale)
                                                             .arg(width)
                                                             .arg(at)));
                    }

        std::mt19937 random(7);
        std::uniform_real_distribution<double> place(10, 60), turn(0, 2 * M_PI), length(0.5, 25),
            scale(3, 4.5);
        int differ = 0, set = 0;
        for (int i = 0; i < 300; ++i) {
            const qreal angle = turn(random), l = length(random);
            const QPointF from(place(random), place(random));
            const auto [d, n] =
                againstPainter(scale(random), 1 + i % 3,
                               QLineF(from, from + l * QPointF(std::cos(angle), std::sin(angle))));
            QVERIFY2(d <= 3 + n / 20,
                     qPrintable(QString("line %1: %2 of %3").arg(i).arg(d).arg(n)));
            differ += d;
            set += n;
        }
        QVERIFY2(differ * 100 < set, qPrintable(QString("%1 of %2 differ").arg(differ).arg(set)));
    }

    // A line of no length is a square of its width; one far out of the picture, or across
    // it from far away, touches nothing outside it; one of no width or of a coordinate that
    // is no number draws nothing.
    void pointsAndFarLines() {
        QImage image(40, 40, QImage::Format_RGB32);
        image.fill(white);
        drawBandLine(image, blue, 20.3, 20.3, 20.3, 20.3, 4);
        QCOMPARE(test::pixelsOf(image, blue), 16);
        QCOMPARE(image.pixel(18, 18), blue);
        QCOMPARE(image.pixel(21, 21), blue);

        image.fill(white);
        drawBandLine(image, blue, -1e7, -1e7, -2e7, 3e7, 4);
        drawBandLine(image, blue, 1e7, 5, 2e7, 5, 4);
        drawBandLine(image, blue, 10, std::nan(""), 30, 30, 4);
        drawBandLine(image, blue, 10, 10, 30, 30, std::numeric_limits<double>::infinity());
        drawBandLine(image, blue, 10, 10, 30, 30, 0);
        QCOMPARE(test::pixelsOf(image, blue), 0);
        drawBandLine(image, blue, -1e7, 10, 1e7, 10, 4);
        QCOMPARE(test::pixelsOf(image, blue), 4 * 40);
    }
};

QTEST_MAIN(TestBandLine)
#include "tst_bandline.moc"

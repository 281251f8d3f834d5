// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QtTest>

namespace ravo::test {

// How two pictures differ: as QCOMPARE of two images tells them apart (size, pixel ratio,
// format, pixels), and where.
struct ImageDifference {
    QString kind;  // empty when the pictures are the same
    int pixels = 0; // how many pixels differ
    QPoint first{-1, -1}; // the first of them, row by row
    QRect area;    // the smallest rectangle that holds them all

    explicit operator bool() const { return !kind.isEmpty(); }
    QString text() const {
        if (kind != "pixels")
            return kind;
        return QString("%1 pixels differ, the first at (%2, %3), all within (%4, %5) to (%6, %7)")
            .arg(pixels)
            .arg(first.x())
            .arg(first.y())
            .arg(area.left())
            .arg(area.top())
            .arg(area.right())
            .arg(area.bottom());
    }
};

inline ImageDifference imageDifference(const QImage& actual, const QImage& expected) {
    ImageDifference d;
    if (actual.size() != expected.size())
        d.kind = QString("sizes differ: %1 x %2 against %3 x %4")
                     .arg(actual.width())
                     .arg(actual.height())
                     .arg(expected.width())
                     .arg(expected.height());
    else if (actual.devicePixelRatio() != expected.devicePixelRatio())
        d.kind = QString("pixel ratios differ: %1 against %2")
                     .arg(actual.devicePixelRatio())
                     .arg(expected.devicePixelRatio());
    else if (actual.format() != expected.format())
        d.kind = QString("formats differ: %1 against %2")
                     .arg(int(actual.format()))
                     .arg(int(expected.format()));
    if (d || actual == expected)
        return d;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y)) {
                if (d.pixels++ == 0)
                    d.first = QPoint(x, y);
                d.area |= QRect(x, y, 1, 1);
            }
    d.kind = "pixels";
    return d;
}

// How many pixels of a picture have a colour.
inline int pixelsOf(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

} // namespace ravo::test

// Fails the test, saying how and where, unless two pictures are the same.
#define RAVO_COMPARE_IMAGES(actual, expected)                                                      \
    do {                                                                                           \
        const ::ravo::test::ImageDifference ravoDifference_ =                                      \
            ::ravo::test::imageDifference((actual), (expected));                                   \
        QVERIFY2(!ravoDifference_, qPrintable(ravoDifference_.text()));                            \
    } while (false)

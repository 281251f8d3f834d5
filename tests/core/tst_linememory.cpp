// SPDX-License-Identifier: GPL-3.0-or-later
// The lines a surface may leave out: a horizontal or vertical line drawn again is known to
// stand as drawn only while nothing of another colour has touched its pixels since, and
// only the latest lines are kept.
#include "LineMemory.h"

#include <QtTest>

using namespace ravo;

namespace {

constexpr std::uint32_t grey = 0xc0c0c0, black = 0x000000;

LineMemory::Line row(float y, std::uint32_t colour = grey, int width = 1) {
    return {10, y, 100, y, colour, width};
}

LineMemory::Box reach(const LineMemory::Line& l) {
    const double m = l.width / 2.0 + 1;
    return {std::min(l.x1, l.x2) - m, std::min(l.y1, l.y2) - m, std::max(l.x1, l.x2) + m,
            std::max(l.y1, l.y2) + m};
}

void remember(LineMemory& memory, const LineMemory::Line& line) {
    memory.covered(reach(line), line.colour);
    memory.remember(line, reach(line));
}

} // namespace

class LineMemoryTest : public QObject {
    Q_OBJECT

private slots:
    void sameLineSamePenOnly() {
        LineMemory memory;
        remember(memory, row(50));
        QVERIFY(memory.contains(row(50)));
        QVERIFY(!memory.contains(row(50, black)));
        QVERIFY(!memory.contains(row(50, grey, 2)));
        QVERIFY(!memory.contains(row(51)));
        LineMemory::Line capped = row(50);
        capped.cap = 1;
        QVERIFY(!memory.contains(capped));
        // -0 and 0 are the same place.
        remember(memory, {0.0f, 20, 0.0f, 30, grey, 1});
        QVERIFY(memory.contains({-0.0f, 20, -0.0f, 30, grey, 1}));
    }

    void anotherColourOverItForgetsIt() {
        LineMemory memory;
        remember(memory, row(50));
        remember(memory, row(200));
        // Its own colour over it changes nothing; another colour far away neither.
        memory.covered({40, 45, 60, 55}, grey);
        memory.covered({40, 400, 60, 410}, black);
        QVERIFY(memory.contains(row(50)));
        // A black circle at the line's edge: its pixels may have changed.
        memory.covered({40, 51.4, 60, 60}, black);
        QVERIFY(!memory.contains(row(50)));
        QVERIFY(memory.contains(row(200)));
        // Grey over a black line beside a grey one: the black one alone is forgotten.
        remember(memory, row(50));
        remember(memory, row(54, black));
        memory.covered({40, 51, 60, 53}, grey);
        QVERIFY(memory.contains(row(50)));
        QVERIFY(!memory.contains(row(54, black)));
        // Drawn again, it is known again, and the areas were made anew without the first.
        remember(memory, row(50));
        QVERIFY(memory.contains(row(50)));
        memory.covered({0, 190, 200, 210}, black);
        QVERIFY(!memory.contains(row(200)));
        QVERIFY(memory.contains(row(50)));
    }

    void theOldestLetGo() {
        LineMemory memory;
        const int count = int(LineMemory::capacity) + 40;
        for (int i = 0; i < count; ++i)
            remember(memory, row(float(i)));
        for (int i = 0; i < 40; ++i)
            QVERIFY2(!memory.contains(row(float(i))), qPrintable(QString::number(i)));
        for (int i = 40; i < count; ++i)
            QVERIFY2(memory.contains(row(float(i))), qPrintable(QString::number(i)));
        // Remembering a known line again does not make it new: it goes in its turn.
        remember(memory, row(40));
        remember(memory, row(float(count)));
        QVERIFY(!memory.contains(row(40)));
        memory.forget();
        QVERIFY(!memory.contains(row(float(count))));
    }
};

QTEST_GUILESS_MAIN(LineMemoryTest)
#include "tst_linememory.moc"

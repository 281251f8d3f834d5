// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberText.h"
#include "SimulationRun.h"

#include <QtTest>

#include <cmath>

using namespace ravo;

class NumberTextTest : public QObject {
    Q_OBJECT

private slots:
    void writesShortestText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("red") << 0.5 << "0.5";
        QTest::newRow("green") << 0.75 << "0.75";
        QTest::newRow("blue") << 1.0 << "1";
        QTest::newRow("small index") << 0.96 << "0.96";
        QTest::newRow("middle index") << 0.98 << "0.98";
        QTest::newRow("radius") << 500.0 << "500";
        QTest::newRow("negative") << -2.5 << "-2.5";
    }
    void writesShortestText() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(numberText(value)), text);
        const auto back = parseNumber(numberText(value));
        QVERIFY(back.has_value());
        QCOMPARE(*back, value);
    }

    void parsesByStrictRule_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("value");
        QTest::newRow("one") << "1" << true << 1.0;
        QTest::newRow("1.0") << "1.0" << true << 1.0;
        QTest::newRow("plus") << "+1" << true << 1.0;
        QTest::newRow("minus") << "-1" << true << -1.0;
        QTest::newRow("blanks around") << "  0.5 " << true << 0.5;
        QTest::newRow("tab around") << "\t0.75\t" << true << 0.75;
        QTest::newRow("leading point") << ".5" << true << 0.5;
        QTest::newRow("trailing point") << "5." << true << 5.0;
        QTest::newRow("exponent") << "1e0" << true << 1.0;
        QTest::newRow("signed exponent") << "75E-2" << true << 0.75;
        QTest::newRow("tiny underflows to zero") << "-1e-400" << true << -0.0;
        QTest::newRow("long zero fraction") << "0." + QString(400, '0') + "1" << true << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("blanks") << "   " << false << 0.0;
        QTest::newRow("word") << "abc" << false << 0.0;
        QTest::newRow("comma") << "0,5" << false << 0.0;
        QTest::newRow("inf") << "inf" << false << 0.0;
        QTest::newRow("nan") << "nan" << false << 0.0;
        QTest::newRow("hex") << "0x1" << false << 0.0;
        QTest::newRow("lone point") << "." << false << 0.0;
        QTest::newRow("lone sign") << "-" << false << 0.0;
        QTest::newRow("two signs") << "+-1" << false << 0.0;
        QTest::newRow("exponent without digits") << "1e" << false << 0.0;
        QTest::newRow("inner blank") << "1 0" << false << 0.0;
        QTest::newRow("trailing word") << "1abc" << false << 0.0;
        QTest::newRow("full-width digit") << QString::fromUtf8("１") << false << 0.0;
        QTest::newRow("half sign") << QString::fromUtf8("½") << false << 0.0;
        QTest::newRow("newline inside") << "1\n" << false << 0.0;
        QTest::newRow("minus zero") << "-0" << true << -0.0;
        QTest::newRow("Infinity") << "Infinity" << false << 0.0;
        QTest::newRow("arabic-indic digit") << QString::fromUtf8("١") << false << 0.0;
        QTest::newRow("no-break space") << QString::fromUtf8("\u00a01") << false << 0.0;
        QTest::newRow("zero-width space") << QString::fromUtf8("1\u200b") << false << 0.0;
        QTest::newRow("control characters") << QString::fromLatin1("\x01\x02\x1b") << false << 0.0;
        QTest::newRow("exponent alone") << "e1" << false << 0.0;
        QTest::newRow("two points") << "1.2.3" << false << 0.0;
        QTest::newRow("ten thousand letters") << QString(10000, 'x') << false << 0.0;
    }
    void parsesByStrictRule() {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(double, value);
        const auto parsed = parseNumber(text.toStdString());
        QCOMPARE(parsed.has_value(), isNumber);
        if (isNumber) {
            QCOMPARE(*parsed, value);
            QCOMPARE(std::signbit(*parsed), std::signbit(value));
        }
    }

    // Numbers beyond a double's range read as infinite (the run refuses them later).
    void hugeNumbersAreInfinite() {
        for (const char* text : {"1e999", "1e309", "-1e309", "9e99999999999999999999"}) {
            const auto parsed = parseNumber(text);
            QVERIFY2(parsed.has_value(), text);
            QVERIFY2(std::isinf(*parsed), text);
        }
        const auto longInteger = parseNumber(std::string(400, '9'));
        QVERIFY(longInteger && std::isinf(*longInteger));
        const auto largest = parseNumber("1e308");
        QVERIFY(largest && std::isfinite(*largest));
    }

    // Which frequency texts a run accepts: numbers whose phases stay finite.
    void frequencyUsable_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("usable");
        const struct {
            const char* name;
            QString text;
            bool usable;
        } rows[] = {
            {"empty", "", false},
            {"blanks", "   ", false},
            {"word", "abc", false},
            {"comma", "0,5", false},
            {"one point zero", "1.0", true},
            {"plus one", "+1", true},
            {"minus one", "-1", true},
            {"zero", "0", true},
            {"two", "2", true},
            {"leading point", ".5", true},
            {"trailing point", "5.", true},
            {"exponent", "1e0", true},
            {"largest double", "1e308", false},
            {"beyond double", "1e309", false},
            {"tiny negative", "-1e-400", true},
            {"inf", "inf", false},
            {"nan", "nan", false},
            {"Infinity", "Infinity", false},
            {"hex", "0x1", false},
            {"half sign", QString::fromUtf8("½"), false},
            {"full-width one", QString::fromUtf8("１"), false},
            {"arabic-indic one", QString::fromUtf8("١"), false},
            {"ten thousand ones", QString(10000, '1'), false},
            {"ten thousand letters", QString(10000, 'x'), false},
            {"control characters", QString::fromLatin1("\x01\x02\x1b"), false},
            {"one and a blank", "1 ", true},
            {"blank and red", " 0.5", true},
            {"tab and green", "\t0.75", true},
            {"no-break space", QString::fromUtf8("\u00a01"), false},
            {"zero-width space", QString::fromUtf8("1\u200b"), false},
            {"exponent alone", "e1", false},
            {"dangling exponent", "1e", false},
            {"two signs", "--1", false},
            {"two points", "1.2.3", false},
            {"huge but usable", "1e300", true},
            {"minus zero", "-0", true},
            {"red as exponent", "5e-1", true},
        };
        for (const auto& row : rows)
            QTest::newRow(row.name) << row.text << row.usable;
    }
    void frequencyUsable() {
        QFETCH(QString, text);
        QFETCH(bool, usable);
        QCOMPARE(SimulationRun::frequencyUsable(text.toStdString()), usable);
    }
};

QTEST_APPLESS_MAIN(NumberTextTest)
#include "tst_numbertext.moc"

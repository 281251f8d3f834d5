// SPDX-License-Identifier: GPL-3.0-or-later
// The class's own language: the best match of the desktop's languages, a switch at run
// time that changes every text at once and leaves the picture as drawn, English back
// exactly as it was, and the refusal that tells comma writers to type a point.
#include "Languages.h"
#include "WindowRuns.h"

#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QRawFont>
#include <QXmlStreamReader>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace ravo;
using namespace ravo::test;

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    void bestMatchOfTheDesktop() {
        QCOMPARE(Languages::bestOf({"xx-YY"}), QString("en"));
        QCOMPARE(Languages::bestOf({"C"}), QString("en"));
        QCOMPARE(Languages::bestOf({}), QString("en"));
        QCOMPARE(Languages::bestOf({"xx", "de-AT", "cs"}), QString("de"));
        QCOMPARE(Languages::bestOf({"cs_CZ.UTF-8"}), QString("cs"));
        QCOMPARE(Languages::bestOf({"en-GB", "fr"}), QString("en"));
    }

    // Switched to German while a run's marks are shown: the captions, the help, the readout
    // and the displays speak German at once, the picture is as it was; back in English the
    // window is pixel for pixel the English one.
    void switchAtRunTime() {
        Languages languages;
        TestWindow w(&languages);
        QVERIFY(showActive(w));
        QVERIFY(runToEnd(w));
        w.surface().endPainting();
        const QImage picture = w.canvas().image().copy();
        const QImage english = w.grab().toImage();
        const QString readout = w.readout().textAt(514, 56);
        QVERIFY(readout.startsWith("Point 52"));

        w.setLanguage("de");
        QCOMPARE(w.language(), QString("de"));
        QCOMPARE(control<QGroupBox>(w, "frmIndex")->title(), QString("Brechzahl"));
        QVERIFY(control<QPushButton>(w, "cmdKonec")->text() != "Exit");
        QVERIFY(control(w, "cmdStart")->toolTip() != "" &&
                !control(w, "cmdStart")->toolTip().startsWith("Starts a run"));
        QCOMPARE(control<QLineEdit>(w, "nDisperze")->text(), QString("An"));
        QCOMPARE(w.settings().text(Setting::nDisperze), std::string("Yes")); // the setting stays
        QVERIFY(w.readout().textAt(514, 56) != readout);
        QVERIFY(w.readout().textAt(514, 56).contains("514"));
        w.surface().endPainting();
        RAVO_COMPARE_IMAGES(w.canvas().image(), picture);
        QCOMPARE(w.programLocale().decimalPoint(), QString(","));

        w.setLanguage("en");
        RAVO_COMPARE_IMAGES(w.grab().toImage(), english);
        QCOMPARE(w.readout().textAt(514, 56), readout);
    }

    // Every letter and sign of every translation (and of the English) has a glyph in the
    // program's two fonts: no text shows a box for a missing one.
    void everyLetterHasAGlyph() {
        for (const char* family : {"Liberation Sans", "Liberation Serif"}) {
            const QFont font(family);
            QCOMPARE(QFontInfo(font).family(), QString(family)); // the font itself, not a stand-in
            // The font alone, without the fallbacks the system would find for a missing letter.
            const QRawFont raw = QRawFont::fromFont(font);
            QVERIFY(raw.isValid());
            int letters = 0;
            for (const Language& language : Languages::all()) {
                if (QLatin1String(language.code) == QLatin1String("en"))
                    continue;
                QFile file(QString(RAVO_I18N_DIR "/ravo_%1.ts").arg(language.code));
                QVERIFY(file.open(QIODevice::ReadOnly));
                QXmlStreamReader ts(&file);
                while (!ts.atEnd()) {
                    if (ts.readNext() != QXmlStreamReader::StartElement ||
                        (ts.name() != u"translation" && ts.name() != u"source" &&
                         ts.name() != u"numerusform"))
                        continue;
                    // A plural's forms are elements of their own.
                    const QString text =
                        ts.readElementText(QXmlStreamReader::IncludeChildElements);
                    for (const char32_t c : text.toUcs4()) {
                        if (QChar::isSpace(c))
                            continue;
                        ++letters;
                        QVERIFY2(raw.supportsCharacter(uint(c)),
                                 qPrintable(QString("%1 has no %2 (U+%3) of \"%4\"")
                                                .arg(family, QString::fromUcs4(&c, 1))
                                                .arg(uint(c), 4, 16, QChar('0'))
                                                .arg(text)));
                    }
                }
                QVERIFY2(!ts.hasError(), qPrintable(ts.errorString() + QString(" at line %1").arg(ts.lineNumber())));
            }
            QVERIFY(letters > 10000);
        }
    }

    // The refusal of a frequency text, in a language of decimal commas, asks for a point.
    void refusalAsksForAPoint() {
        Languages languages;
        TestWindow w(&languages);
        QVERIFY(showActive(w));
        w.setLanguage("cs");
        control<QLineEdit>(w, "nKmitočet")->setText("0,5");
        w.cmdStart_Click();
        RAVO_TRY_VERIFY(w.openBox());
        const QString text = qobject_cast<QMessageBox*>(w.openBox())->text();
        QCOMPARE(text, QCoreApplication::translate(
                           "frmRavo", "The frequency must be a number with a decimal point, not a "
                                      "comma, such as 0.5 (red), 0.75 (green) or 1 (blue)."));
        QVERIFY(!text.startsWith("The frequency")); // translated
        QVERIFY(text.contains("0.5"));
        qobject_cast<QMessageBox*>(w.openBox())->reject();
        RAVO_TRY_VERIFY(!w.running());
        w.setLanguage("en");
    }
};

QTEST_MAIN(LanguagesTest)
#include "tst_languages.moc"

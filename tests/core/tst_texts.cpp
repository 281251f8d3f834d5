// SPDX-License-Identifier: GPL-3.0-or-later
// The core's texts and the state of the controls: a sentence written in a language (its
// places filled once, numbers in the language's way, plural forms by the language's rules),
// and the form that the controls write, as a user's clicks and typing leave it.
#include "Controls.h"
#include "Form.h"
#include "Help.h"
#include "Language.h"
#include "Text.h"

#include <QtTest>

using namespace ravo;

namespace {

std::string english(const Text& text) {
    return EnglishTranslator().write(text);
}

} // namespace

class TextsTest : public QObject {
    Q_OBJECT

private slots:
    // Places are filled in one pass: a typed "%2" or "%n" stays as typed; numbers take the
    // language's separator, the setting texts keep their point.
    void placesAndNumbers() {
        Text t("ctx", "f = %1, P = %2, %3 and %1");
        t.arg("%2 typed").arg(Number{133.9876, 1}).arg(Text("ctx", "sub %1").arg(7));
        QCOMPARE(english(t), std::string("f = %2 typed, P = 134.0, sub 7 and %2 typed"));
        Catalog czech("cs");
        czech.add("ctx", "f = %1, P = %2, %3 and %1", "", {"f = %1, P = %2 (%3)"});
        QCOMPARE(czech.write(t), std::string("f = %2 typed, P = 134,0 (sub 7)"));
        // A place beyond the arguments, and a lone percent sign, stay as they are.
        QCOMPARE(english(Text("ctx", "100% of %4").arg(1)), std::string("100% of %4"));
        QCOMPARE(english(Text::of(Number{0.98})), std::string("0.98"));
        QCOMPARE(czech.write(Text::of(Number{514})), std::string("514"));
        QCOMPARE(czech.write(Text::of(Number{0.012, 3})), std::string("0,012"));
    }

    // Each language's plural rule picks the form of a count; a note tells one English word's
    // meanings apart, and a translation without the note serves where none has it.
    void pluralsAndNotes() {
        Catalog cs("cs-CZ");
        cs.add("c", "%n mark(s)", "", {"%n značka", "%n značky", "%n značek"});
        const auto marks = [&](int n) { return cs.write(Text("c", "%n mark(s)", nullptr, n)); };
        QCOMPARE(marks(1), std::string("1 značka"));
        QCOMPARE(marks(3), std::string("3 značky"));
        QCOMPARE(marks(85), std::string("85 značek"));
        Catalog pl("pl");
        pl.add("c", "%n mark(s)", "", {"%n znak", "%n znaki", "%n znaków"});
        QCOMPARE(pl.write(Text("c", "%n mark(s)", nullptr, 22)), std::string("22 znaki"));
        QCOMPARE(pl.write(Text("c", "%n mark(s)", nullptr, 12)), std::string("12 znaków"));
        Catalog fr("fr");
        fr.add("c", "%n mark(s)", "", {"%n marque", "%n marques"});
        QCOMPARE(fr.write(Text("c", "%n mark(s)", nullptr, 0)), std::string("0 marque"));
        Catalog de("de");
        de.add("ControlTable", "Great", "radius of the lens", {"Groß"});
        de.add("ControlTable", "Great", "aperture: wide open", {"Weit"});
        QCOMPARE(de.write(Text("ControlTable", "Great", "radius of the lens")), std::string("Groß"));
        QCOMPARE(de.write(Text("ControlTable", "Great", "aperture: wide open")), std::string("Weit"));
        QCOMPARE(de.write(Text("ControlTable", "Start")), std::string("Start"));
        QCOMPARE(std::string(bestLanguage({"ja", "de-AT", "cs"}).code), std::string("de"));
        QCOMPARE(std::string(bestLanguage({"en-GB", "cs"}).code), std::string("en"));
        QCOMPARE(std::string(languageOf("xx").code), std::string("en"));
    }

    // Start-up selects the default of each group, which writes the defaults; every option
    // writes its value; the check box flips its field whatever it held.
    void formAtStartAndAfterClicks() {
        Form form;
        QCOMPARE(form.settings()[Setting::nStart], std::string("Text1")); // a placeholder
        form.load();
        const std::pair<Setting, const char*> defaults[] = {
            {Setting::nPoloměr, "500"}, {Setting::nIndex, "0.98"},   {Setting::nKmitočet, "1"},
            {Setting::nClona, "0"},     {Setting::nPůlLupy, "80"},   {Setting::nDisperze, "Yes"},
            {Setting::nZobrazení, "Body"}, {Setting::nSpomaleni, "1"}, {Setting::nStart, "1"},
        };
        for (const auto& [setting, value] : defaults)
            QCOMPARE(form.settings()[setting], std::string(value));
        for (const char* option : {"opVelký", "opIndexStřední", "opPůlNe", "opModrý", "opBody",
                                   "opClonaŠiroká", "opRychlá", "chDisperze"})
            QVERIFY2(form.checked(option), option);

        const std::pair<const char*, std::pair<Setting, const char*>> clicks[] = {
            {"opMalý", {Setting::nPoloměr, "400"}},    {"opStřední", {Setting::nPoloměr, "450"}},
            {"opIndexMalý", {Setting::nIndex, "0.96"}}, {"opIndexVelký", {Setting::nIndex, "1"}},
            {"opČervený", {Setting::nKmitočet, "0.5"}}, {"OpZelená", {Setting::nKmitočet, "0.75"}},
            {"opClonaUy39", {Setting::nClona, "50"}},  {"opClonaUzka", {Setting::nClona, "100"}},
            {"opPůlAno", {Setting::nPůlLupy, "40"}},   {"opPruhy", {Setting::nZobrazení, "Pruhy"}},
            {"opPomalá", {Setting::nSpomaleni, "10000"}},
        };
        for (const auto& [option, written] : clicks) {
            QVERIFY(form.click(option));
            QCOMPARE(form.settings()[written.first], std::string(written.second));
            QVERIFY(form.checked(option));
        }
        QVERIFY(!form.checked("opVelký") && !form.checked("opIndexStřední"));
        form.settings().setText(Setting::nDisperze, "Maybe");
        QVERIFY(form.click("chDisperze"));
        QCOMPARE(form.settings()[Setting::nDisperze], std::string("Yes"));
        QVERIFY(form.click("chDisperze"));
        QCOMPARE(form.settings()[Setting::nDisperze], std::string("No"));
        QVERIFY(!form.click("cmdStart") && !form.click("nowhere"));
        QVERIFY(form.scroll(37));
        QCOMPARE(form.settings()[Setting::nSpomaleni], std::string("37"));
        QVERIFY(!form.scroll(0) && !form.scroll(10001));
        QCOMPARE(form.scrollValue(), 37);
    }

    // While a run holds the settings, no use of a control writes or checks anything, and
    // those who show the form hear nothing.
    void lockedFormWritesNothing() {
        Form form;
        form.load();
        int told = 0;
        form.listen([&] { ++told; });
        form.settings().listen([&](Setting) { ++told; });
        form.setLocked(true);
        QVERIFY(!form.click("opČervený"));
        QVERIFY(!form.click("chDisperze"));
        QVERIFY(!form.scroll(5000));
        QVERIFY(!form.type("0.5"));
        QCOMPARE(told, 0);
        QVERIFY(form.checked("opModrý") && form.checked("chDisperze"));
        QCOMPARE(form.settings()[Setting::nKmitočet], std::string("1"));
        form.setLocked(false);
        QVERIFY(form.type(" 0.5x"));
        QCOMPARE(form.settings()[Setting::nKmitočet], std::string(" 0.5x"));
        QCOMPARE(told, 1);
    }

    // Every shown control has a name and a help text; those that follow a setting say its
    // value; the slow-down says its pace.
    void helpFollowsTheSettings() {
        Form form;
        form.load();
        for (const ControlEntry& entry : controlTable()) {
            const bool shown = entry.shownAtStart || entry.textBox == TextBoxRole::Caption;
            const bool inHidden = entry.container && !findControl(entry.container)->shownAtStart;
            if (!shown || inHidden || entry.kind == ControlKind::Label)
                continue;
            const ControlHelp* help = helpFor(entry.name);
            QVERIFY2(help, entry.name);
            QVERIFY(!english(help->name()).empty());
            QVERIFY(!english(help->textFor(form.settings())).empty());
        }
        form.click("opČervený");
        QVERIFY(english(helpFor("nKmitočet")->textFor(form.settings())).find("now 0.5") !=
                std::string::npos);
        QCOMPARE(english(slowDownHelp(37)),
                 std::string("Slow-down 37: 0.0037 s per detector point, about 0.315 s a run"));
        QCOMPARE(Catalog("de").write(slowDownHelp(10000)),
                 std::string("Slow-down 10000: 1 s per detector point, about 85 s a run"));
        // Small numbers without an exponent, in the language's way.
        QCOMPARE(english(slowDownHelp(1)),
                 std::string("Slow-down 1: 0.0001 s per detector point, about 0.0085 s a run"));
        QCOMPARE(Catalog("cs").write(slowDownHelp(37)),
                 std::string("Slow-down 37: 0,0037 s per detector point, about 0,315 s a run"));
        QCOMPARE(keysHelp().size(), std::size_t(17));
    }

    // The layout's geometry on the window: a control in a frame stands at the frame's place
    // plus its own.
    void placesOnTheWindow() {
        const Rect middle = onWindow(*findControl("opClonaUy39"));
        QCOMPARE(middle, (Rect{280, 126, 57, 13}));
        QCOMPARE(onWindow(*findControl("cmdKonec")), (Rect{624, 8, 65, 25}));
    }
};

QTEST_GUILESS_MAIN(TextsTest)
#include "tst_texts.moc"

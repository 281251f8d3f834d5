// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlHelp.h"

#include <QCoreApplication>

#include "NumberText.h"
#include "RunControl.h"
#include "SceneGeometry.h"
#include "Settings.h"
#include "SimulationRun.h"

#include <chrono>
#include <cmath>
#include <string>

namespace ravo {

namespace {

QString value(const SettingsAccess& settings, Setting setting) {
    return QString::fromStdString(settings.text(setting));
}

QString onOff(const SettingsAccess& settings) {
    return settings.text(Setting::nDisperze) == words::yes ? "on" : "off";
}

QString markKind(const SettingsAccess& settings) {
    const std::string kind = settings.text(Setting::nZobrazení);
    return kind == words::dots ? "dots" : kind == words::bars ? "bars" : "none";
}

QString halfLens(const SettingsAccess& settings) {
    return isWholeLens(settings.number(Setting::nPůlLupy)) ? "whole lens" : "upper half only";
}

QString fixed(const char* text) {
    return QString::fromUtf8(text);
}

#define FIXED(text) [](const SettingsAccess&) { return fixed(text); }

const ControlHelp helpEntries[] = {
    {"cmdStart", "Start",
     FIXED("Starts a run. During a run: Space holds it and releases it again, Right arrow "
           "or Page Down draws the next detector point of a held run, Escape stops it.")},
    {"cmdKonec", "Exit", FIXED("Closes Ravo (Ctrl+Q). Nothing is saved.")},
    {"HScroll1", "Slow-down",
     [](const SettingsAccess& s) {
         return slowDownHelp(int(std::lround(s.number(Setting::nSpomaleni))));
     }},
    {"frmPoloměrLupy", "Radius of lens",
     [](const SettingsAccess& s) {
         return "Radius of the lens's curved face, now " + value(s, Setting::nPoloměr) +
                " pixels: Great 500, Middle 450, Small 400.";
     }},
    {"opVelký", "Radius of lens: Great", FIXED("Radius of the lens: 500 pixels.")},
    {"opStřední", "Radius of lens: Middle", FIXED("Radius of the lens: 450 pixels.")},
    {"opMalý", "Radius of lens: Small", FIXED("Radius of the lens: 400 pixels.")},
    {"frmKmitočet", "Frequency - colour",
     [](const SettingsAccess& s) {
         return "Colour of the light, now frequency " + value(s, Setting::nKmitočet) +
                ": Red 0.5, Green 0.75, Blue 1.";
     }},
    {"opČervený", "Frequency - colour: Red", FIXED("Red light: frequency 0.5.")},
    {"OpZelená", "Frequency - colour: Green", FIXED("Green light: frequency 0.75.")},
    {"opModrý", "Frequency - colour: Blue", FIXED("Blue light: frequency 1.")},
    {"nKmitočet", "Frequency",
     [](const SettingsAccess& s) {
         return "Frequency of the light, now " + value(s, Setting::nKmitočet) +
                ". 0.5 is red, 0.75 green, 1 blue. Another number turns the arrows at its own "
                "rate, but the glass adds no time, and a mark is drawn only for a number equal "
                "to 0.5, 0.75 or 1 (such as 1.0).";
     }},
    {"frmIndex", "Refractive index",
     [](const SettingsAccess& s) {
         return "Refractive index of the glass, now " + value(s, Setting::nIndex) +
                ": Great 1, Middle 0.98, Small 0.96.";
     }},
    {"opIndexVelký", "Refractive index: Great", FIXED("Refractive index 1.")},
    {"opIndexStřední", "Refractive index: Middle", FIXED("Refractive index 0.98.")},
    {"opIndexMalý", "Refractive index: Small", FIXED("Refractive index 0.96.")},
    {"chDisperze", "Dispersion",
     [](const SettingsAccess& s) {
         return "Dispersion, now " + onOff(s) +
                ": when on, the glass slows red and green light less than blue.";
     }},
    {"nDisperze", "Dispersion",
     [](const SettingsAccess& s) { return "Dispersion is " + onOff(s) + "."; }},
    {"frmZobrazení", "Mapping",
     [](const SettingsAccess& s) {
         return "How probabilities are marked, now " + markKind(s) +
                ": dots can stay from run to run, bars are erased by every run.";
     }},
    {"opBody", "Mapping: Dots",
     FIXED("Probabilities as dots; answer \"No\" to \"Delete probability\" to keep "
           "the dots of earlier runs.")},
    {"opPruhy", "Mapping: Bars",
     FIXED("Probabilities as bars rising from the base line; every run erases the old ones.")},
    {"frmClona", "Aperture",
     [](const SettingsAccess& s) {
         return "Aperture: the blades close " + value(s, Setting::nClona) +
                " pixels at each edge of the lens (Great 0, Middle 50, Small 100).";
     }},
    {"opClonaŠiroká", "Aperture: Great", FIXED("The blades close nothing: every path is open.")},
    {"opClonaUy39", "Aperture: Middle", FIXED("The blades close 50 pixels at each edge.")},
    {"opClonaUzka", "Aperture: Small", FIXED("The blades close 100 pixels at each edge.")},
    {"frmPůlLupy", "Half lens",
     [](const SettingsAccess& s) {
         return "Which part of the lens is open, now the " + halfLens(s) + ".";
     }},
    {"opPůlNe", "Half lens: No", FIXED("The whole lens is open.")},
    {"opPůlAno", "Half lens: Yes", FIXED("Only the upper half of the lens is open.")},
    {"nPravděpodobnost", "Probability",
     FIXED("Above the base line: the probability that light arrives at each detector point.")},
    {"nSoučetRadiusvektorů", "Cornu spirals - Vector sum",
     FIXED("Below the axis: each detector point's arrows added head to tail, and their green "
           "sum.")},
    {"nClonaOtvor", "Screen",
     FIXED("The aperture: the blades in front of the flat face of the lens.")},
};

#undef FIXED

} // namespace

std::span<const ControlHelp> controlHelp() {
    return helpEntries;
}

QString slowDownHelp(int value) {
    using Seconds = std::chrono::duration<double>;
    const double pause = Seconds(RunControl::duration(RunControl::stepsFor(value))).count();
    const double run = pause * SimulationRun::detectorCount;
    return QCoreApplication::translate("ControlHelp",
                                       "Slow-down %1: %2 s per detector point, about %3 s a run")
        .arg(value)
        .arg(QString::number(pause, 'g', 3))
        .arg(QString::number(run, 'g', 3));
}

} // namespace ravo

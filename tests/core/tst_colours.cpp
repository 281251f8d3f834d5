// SPDX-License-Identifier: GPL-3.0-or-later
// The projector's colours for every colour vision: the three marks and the resultant told
// apart, computed here from the published formulas (sRGB to CIELAB, the CIEDE2000
// difference, Machado, Oliveira and Fernandes's simulation of dichromacy at full severity),
// with nothing of the program's; and the design's colours as they have always been.
#include "Colours.h"

#include <QtTest>

#include <array>
#include <cmath>

using namespace ravo;

namespace {

using Vec = std::array<double, 3>;
using Mat = std::array<Vec, 3>;

const Mat trichromat{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
const Mat protanopia{{{0.152286, 1.052583, -0.204868},
                      {0.114503, 0.786281, 0.099216},
                      {-0.003882, -0.048116, 1.051998}}};
const Mat deuteranopia{{{0.367322, 0.860646, -0.227968},
                        {0.280085, 0.672501, 0.047413},
                        {-0.011820, 0.042940, 0.968881}}};
const Mat tritanopia{{{1.255528, -0.076749, -0.178779},
                      {-0.078411, 0.930809, 0.147602},
                      {0.004733, 0.691367, 0.303900}}};

double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The colour as seen, in CIELAB (D65).
Vec lab(Rgb rgb, const Mat& vision) {
    const Vec in{linear(rgb.r), linear(rgb.g), linear(rgb.b)};
    Vec l{};
    for (int i = 0; i < 3; ++i)
        l[i] = std::clamp(vision[i][0] * in[0] + vision[i][1] * in[1] + vision[i][2] * in[2], 0.0, 1.0);
    const double X = 0.4124564 * l[0] + 0.3575761 * l[1] + 0.1804375 * l[2];
    const double Y = 0.2126729 * l[0] + 0.7151522 * l[1] + 0.0721750 * l[2];
    const double Z = 0.0193339 * l[0] + 0.1191920 * l[1] + 0.9503041 * l[2];
    const auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
    const double fx = f(X / 0.95047), fy = f(Y), fz = f(Z / 1.08883);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

double degrees(double radians) {
    return radians * 180 / M_PI;
}
double radians(double degrees) {
    return degrees * M_PI / 180;
}

double ciede2000(const Vec& one, const Vec& two) {
    const auto [L1, a1, b1] = one;
    const auto [L2, a2, b2] = two;
    const double Cb = (std::hypot(a1, b1) + std::hypot(a2, b2)) / 2;
    const double G = 0.5 * (1 - std::sqrt(std::pow(Cb, 7) / (std::pow(Cb, 7) + std::pow(25.0, 7))));
    const double a1p = (1 + G) * a1, a2p = (1 + G) * a2;
    const double C1p = std::hypot(a1p, b1), C2p = std::hypot(a2p, b2);
    const auto hue = [](double b, double a) {
        const double h = degrees(std::atan2(b, a));
        return h < 0 ? h + 360 : h;
    };
    const double h1p = hue(b1, a1p), h2p = hue(b2, a2p);
    double dhp = 0;
    if (C1p * C2p != 0) {
        dhp = h2p - h1p;
        if (dhp > 180)
            dhp -= 360;
        else if (dhp < -180)
            dhp += 360;
    }
    const double dLp = L2 - L1, dCp = C2p - C1p;
    const double dHp = 2 * std::sqrt(C1p * C2p) * std::sin(radians(dhp / 2));
    const double Lbp = (L1 + L2) / 2, Cbp = (C1p + C2p) / 2;
    double hbp = h1p + h2p;
    if (C1p * C2p != 0)
        hbp = std::fabs(h1p - h2p) <= 180 ? (h1p + h2p) / 2
              : h1p + h2p < 360           ? (h1p + h2p + 360) / 2
                                          : (h1p + h2p - 360) / 2;
    const double T = 1 - 0.17 * std::cos(radians(hbp - 30)) + 0.24 * std::cos(radians(2 * hbp)) +
                     0.32 * std::cos(radians(3 * hbp + 6)) - 0.20 * std::cos(radians(4 * hbp - 63));
    const double dTheta = 30 * std::exp(-std::pow((hbp - 275) / 25, 2));
    const double RC = 2 * std::sqrt(std::pow(Cbp, 7) / (std::pow(Cbp, 7) + std::pow(25.0, 7)));
    const double SL = 1 + 0.015 * std::pow(Lbp - 50, 2) / std::sqrt(20 + std::pow(Lbp - 50, 2));
    const double SC = 1 + 0.045 * Cbp, SH = 1 + 0.015 * Cbp * T;
    const double RT = -std::sin(radians(2 * dTheta)) * RC;
    return std::sqrt(std::pow(dLp / SL, 2) + std::pow(dCp / SC, 2) + std::pow(dHp / SH, 2) +
                     RT * (dCp / SC) * (dHp / SH));
}

double relativeLuminance(Rgb c) {
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

} // namespace

class ColoursTest : public QObject {
    Q_OBJECT

private slots:
    // The formula against the pairs Sharma, Wu and Dalal publish for it.
    void ciede2000OfPublishedPairs() {
        QVERIFY(std::fabs(ciede2000({50, 2.6772, -79.7751}, {50, 0, -82.7485}) - 2.0425) < 1e-4);
        QVERIFY(std::fabs(ciede2000({50, 2.5, 0}, {73, 25, -18}) - 27.1492) < 1e-4);
        QVERIFY(std::fabs(ciede2000({60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}) - 1.2644) < 1e-4);
    }

    // In projector colours the three marks and the resultant differ by 20 or more for every
    // colour vision, and each stands out from the white ground by 3:1 or more; the design's
    // own colours, which red-green blind eyes could not tell apart, stay the design's.
    void projectorColoursForEveryVision() {
        const Colours& p = Colours::projector();
        const Rgb colours[] = {p.of(Role::MarkRed), p.of(Role::MarkGreen), p.of(Role::MarkBlue),
                               p.of(Role::Resultant)};
        for (const Mat* vision : {&trichromat, &protanopia, &deuteranopia, &tritanopia})
            for (std::size_t i = 0; i < std::size(colours); ++i)
                for (std::size_t j = i + 1; j < std::size(colours); ++j) {
                    const double d = ciede2000(lab(colours[i], *vision), lab(colours[j], *vision));
                    QVERIFY2(d >= 20, qPrintable(QString("%1 and %2: %3").arg(i).arg(j).arg(d)));
                }
        for (const Rgb c : colours)
            QVERIFY(1.05 / (relativeLuminance(c) + 0.05) >= 3);
        QCOMPARE(p.ground, (Rgb{255, 255, 255}));
        const Colours& d = Colours::design();
        QCOMPARE(d.of(Role::MarkRed), (Rgb{255, 0, 0}));
        QCOMPARE(d.of(Role::MarkGreen), (Rgb{0, 255, 0}));
        QCOMPARE(d.of(Role::MarkBlue), (Rgb{0, 0, 255}));
        QCOMPARE(d.ground, (Rgb{192, 192, 192}));
        QVERIFY(ciede2000(lab(d.of(Role::MarkRed), deuteranopia), lab(d.of(Role::MarkGreen), deuteranopia)) < 20);
    }
};

QTEST_GUILESS_MAIN(ColoursTest)
#include "tst_colours.moc"

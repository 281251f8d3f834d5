#include "SimulationRun.h"

#include "Countdown.h"
#include "DrawingSurface.h"
#include "NumberText.h"
#include "Settings.h"

#include <cmath>
#include <optional>

namespace ravo {

namespace {

// No path takes longer than this: at most 60 pixels of glass at a factor of 2.1, and
// under 810 pixels from the lens face to the farthest detector point.
constexpr double longestPathTime = 1000;

struct MarkStyle {
    Colour colour;
    double markFactor;
};

// The mark of a frequency: blue for 1, red for 0.5, green for 0.75; none otherwise.
std::optional<MarkStyle> markStyle(double f) {
    std::optional<MarkStyle> style;
    if (f == 1)
        style = MarkStyle{blue, 1.3};
    if (f == 0.5)
        style = MarkStyle{red, 1};
    if (f == 0.75)
        style = MarkStyle{green, 1.08};
    return style;
}

} // namespace

SimulationRun::SimulationRun(SettingsAccess& settings, DrawingSurface& surface)
    : settings_(settings), surface_(surface) {}

bool SimulationRun::frequencyUsable(std::string_view text) {
    const std::optional<double> f = parseNumber(text);
    return f && std::isfinite(*f) && std::isfinite(*f * 0.8 * longestPathTime);
}

RunOutcome SimulationRun::perform() {
    outcome_ = {};
    if (!frequencyUsable(settings_.text(Setting::nKmitočet))) {
        surface_.ShowMessage(frequencyRefusal);
        return outcome_;
    }

    surface_.SetScaleToPixels();
    geometry_ = SceneGeometry::from(settings_);
    erase();
    drawAxis();
    surface_.SetPenWidth(2);
    drawGlass();
    drawOutline();
    trimOutline();
    surface_.SetPenWidth(4);
    drawBlades();
    surface_.SetPenWidth(1);
    drawIncomingRays();

    formFactors();
    for (int i = 1; i <= detectorCount; ++i) {
        slowDown();
        traceDetectorPoint(i);
    }
    drawWhiteSample();
    finish();
    outcome_.completed = true;
    return outcome_;
}

// --- The scene ------------------------------------------------------------------------

// Rows y = frameHeight - k for k = kFirst to kLast, in background grey.
void SimulationRun::eraseRows(int kFirst, int kLast, double left, double right) {
    for (int k = kFirst; k <= kLast; ++k) {
        const double y = geometry_.frameHeight - k;
        surface_.DrawLine(float(left), float(y), float(right), float(y), backgroundGrey);
    }
}

void SimulationRun::erase() {
    if (settings_.text(Setting::nZobrazení) == "Pruhy") {
        eraseRows(1, 555, 10, geometry_.frameRight);
        return;
    }
    // The band that holds the prompt "Please press button Start".
    for (int y = 240; y <= 265; ++y)
        surface_.DrawLine(200, float(y), 600, float(y), backgroundGrey);
    if (settings_.number(Setting::nStart) == 1)
        return;
    surface_.Flush();
    if (surface_.AskYesNo("Delete probability"))
        eraseRows(1, 555, 1, geometry_.frameRight);
    else
        eraseRows(10, 260, 250, geometry_.frameRight); // marks above y = 231 stay
}

void SimulationRun::drawAxis() {
    surface_.DrawLine(float(geometry_.glassPlaneX), float(geometry_.axisY),
                      float(geometry_.axisEndX), float(geometry_.axisY));
}

void SimulationRun::drawGlass() {
    for (int m = 1; m <= 400; ++m) {
        const double y = geometry_.glassTopY + m;
        surface_.DrawLine(float(geometry_.glassPlaneX), float(y),
                          float(geometry_.surfaceX(settings_, y)), float(y), lightGreen);
    }
}

void SimulationRun::drawOutline() {
    surface_.DrawCircle(float(geometry_.surfaceCentreX), float(geometry_.axisY),
                        float(settings_.number(Setting::nPoloměr)));
}

// Paints away the parts of the outline circle above and below the lens.
void SimulationRun::trimOutline() {
    for (int m = 1; m <= 100; ++m) {
        const float above = float(geometry_.glassTopY - m);
        const float below = float(geometry_.glassBottomY + m);
        surface_.DrawLine(1, above, 100, above, backgroundGrey);
        surface_.DrawLine(1, below, 100, below, backgroundGrey);
    }
}

// The aperture closes c pixels at each edge; the half lens closes the whole lower half.
void SimulationRun::drawBlades() {
    const auto x = float(geometry_.glassPlaneX);
    const auto bladeEnd = float(geometry_.glassBottomY + 50);
    surface_.DrawLine(x, 20, x, float(geometry_.openingTopY));
    if (geometry_.halfFactor == 1)
        surface_.DrawLine(x, float(geometry_.openingBottomY), x, bladeEnd);
    else
        surface_.DrawLine(x, float(geometry_.axisY), x, bladeEnd);
}

void SimulationRun::drawIncomingRays() {
    for (int k = 0; k <= 100; ++k) {
        const double y = geometry_.glassTopY - 50 + 5 * k;
        surface_.DrawLine(1, float(y), float(geometry_.glassPlaneX), float(y));
    }
}

// --- The path sum ---------------------------------------------------------------------

void SimulationRun::formFactors() {
    // The glass factor is chosen by the frequency text, compared with the texts that the
    // colour buttons write; a typed number that matches none of them adds no glass time.
    const std::string f = settings_.text(Setting::nKmitočet);
    const bool dispersion = settings_.text(Setting::nDisperze) == "Yes";
    double k = 0;
    if (f == numberText(0.5))
        k = dispersion ? 1.9 : 2.1;
    if (f == numberText(0.75))
        k = dispersion ? 1.98 : 2.1;
    if (f == numberText(1))
        k = 2.1;
    refractiveFactor_ = settings_.number(Setting::nIndex) * k;
    phaseFactor_ = settings_.number(Setting::nKmitočet) * 0.8;
}

void SimulationRun::slowDown() {
    const double value = settings_.number(Setting::nSpomaleni);
    const std::int64_t steps =
        std::isfinite(value) && value > 0 ? std::int64_t(std::llround(value)) * 200 : 0;
    if (Countdown::duration(steps) > Countdown::frame)
        surface_.Flush(); // the point just drawn shows through the pause
    Countdown countdown([this] { surface_.KeepAlive(); });
    outcome_.countdownSteps += countdown.run(steps);
}

double SimulationRun::pathY(int j) const {
    return geometry_.openingTopY + 5.0 * j;
}

double SimulationRun::phase(double detectorX, double y) const {
    const double faceX = geometry_.surfaceX(settings_, y);
    const double glassThickness = faceX - geometry_.glassPlaneX;
    const double dx = detectorX - faceX;
    const double dy = y - geometry_.axisY;
    const double pathDistance = std::sqrt(dx * dx + dy * dy);
    const double pathTime = glassThickness * refractiveFactor_ + pathDistance;
    return phaseFactor_ * pathTime;
}

void SimulationRun::traceDetectorPoint(int i) {
    const double detectorX = geometry_.detectorBaseX + 7.0 * i;
    const double axisY = geometry_.axisY;
    const double baseY = geometry_.spiralBaseY;
    double sx = detectorX;
    double sy = baseY;
    const double lastPath = settings_.number(Setting::nPůlLupy) -
                            settings_.number(Setting::nClona) * 0.4 * geometry_.halfFactor;
    for (int j = 0; j <= lastPath; ++j) {
        const double y = pathY(j);
        surface_.DrawLine(0, float(y), float(geometry_.surfaceX(settings_, y) + 5), float(y));
        const double angle = phase(detectorX, y);
        const double c = std::cos(angle);
        const double s = std::sin(angle);
        surface_.DrawLine(float(detectorX), float(axisY), float(detectorX + arrowLength * c),
                          float(axisY + arrowLength * s));
        surface_.DrawLine(float(geometry_.detectorBaseX), float(baseY), float(geometry_.axisEndX),
                          float(baseY));
        surface_.DrawLine(float(geometry_.detectorBaseX), float(geometry_.markBaseY),
                          float(geometry_.axisEndX), float(geometry_.markBaseY));
        const double step = settings_.number(Setting::nPůlLupy) == 80 ? 1.5 : 2.25;
        surface_.DrawLine(float(sx), float(sy), float(sx + step * c), float(sy + step * s));
        sx += step * c;
        sy += step * s;
    }
    surface_.SetPenWidth(2);
    surface_.DrawLine(float(detectorX), float(baseY), float(sx), float(sy), green);
    const double rx = sx - detectorX;
    const double ry = sy - baseY;
    drawMark(detectorX, (rx * rx + ry * ry) * 0.015 * 0.8);
    surface_.SetPenWidth(1);
}

void SimulationRun::drawMark(double detectorX, double probability) {
    const std::optional<MarkStyle> style = markStyle(settings_.number(Setting::nKmitočet));
    if (!style)
        return;
    const double markY = geometry_.markBaseY - style->markFactor * probability;
    const std::string kind = settings_.text(Setting::nZobrazení);
    if (kind == "Body")
        surface_.DrawCircle(float(detectorX), float(markY), 1, style->colour);
    else if (kind == "Pruhy")
        surface_.DrawLine(float(detectorX), float(markY), float(detectorX),
                          float(geometry_.markBaseY), style->colour);
}

// White arrows at every fifth detector point. The bound is nPůlLupy itself, whatever the
// aperture, so the sample always has 81 (or 41) arrows per point.
void SimulationRun::drawWhiteSample() {
    for (int i = 1; i <= samplePointCount; ++i) {
        const double x = geometry_.detectorBaseX + 35.0 * i;
        const double last = settings_.number(Setting::nPůlLupy);
        for (int j = 0; j <= last; ++j) {
            const double angle = phase(x, pathY(j));
            surface_.DrawLine(float(x), float(geometry_.axisY),
                              float(x + arrowLength * std::cos(angle)),
                              float(geometry_.axisY + arrowLength * std::sin(angle)), white);
        }
    }
}

void SimulationRun::finish() {
    settings_.setText(Setting::nStart, "0");
    surface_.ShowControl("nPravděpodobnost");
    surface_.ShowControl("nSoučetRadiusvektorů");
    surface_.ShowControl("nClonaOtvor");
}

} // namespace ravo

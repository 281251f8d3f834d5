// SPDX-License-Identifier: GPL-3.0-or-later
// ravo-bench: prints, as medians of several runs in one process,
//   (a) a whole default run at slow-down "1" in the window, advanced by its event loop,
//   (b) the raster floor: the same drawing calls replayed into a bare image,
//   (c) the arithmetic alone: the path sum of the run's 85 detector points and the phases
//       of its white sample, without drawing or slow-down,
//   (d) the part of (b) that the window's surface leaves to QPainter too: slanted lines and
//       circles, which with the pause bound a from below,
//   (e) the replay of one run's record into the window's picture, without pauses,
//   (f) a redraw of the whole picture from the records with five kept runs,
// the ratio a/b, a - c per detector point, the slow-down's pause per detector point against
// its nominal length, the share of a processor core that the slow-down takes while it waits,
// and the peak memory of the process.
//
// usage: ravo-bench [runs] [--full-screen]
//        (default 7 runs, in a window of the design's size; --full-screen fills the screen.
//        The platform is offscreen unless QT_QPA_PLATFORM says otherwise, e.g.
//        offscreen:configfile=tests/support/screen-3840x2160.json for a 4K screen. A screen
//        scaled by 2 takes QT_SCALE_FACTOR=2 as well, as the tests give it:
//        QT_SCALE_FACTOR=2 QT_QPA_PLATFORM=offscreen:configfile=tests/support/
//        screen-1024x768-scale2.json; the first line says the pixel ratio it ran at.)

#include "PainterReference.h"
#include "PathSum.h"
#include "RunControl.h"
#include "RunRecord.h"
#include "SimulationRun.h"
#include "frmRavo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QScrollBar>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <string_view>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsOf(const std::function<void()>& work) {
    const Clock::time_point start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Series {
    double median;
    double low;
    double high;
};

Series measure(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int r = 0; r < runs; ++r)
        times.push_back(millisecondsOf(work));
    return {median(times), *std::min_element(times.begin(), times.end()),
            *std::max_element(times.begin(), times.end())};
}

void printSeries(const char* what, const Series& s) {
    std::printf("%-44s %9.2f ms   (min %.2f, max %.2f)\n", what, s.median, s.low, s.high);
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A run started by "Start" and advanced by the window's event loop until it ends, or is
// stopped after `points` detector points.
struct Timed {
    double wall; // ms
    double cpu;  // ms
};

// When each detector point was first seen drawn, if asked.
Timed windowRun(ravo::frmRavo& window, int points = ravo::RunControl::detectorCount,
                std::vector<Clock::time_point>* seen = nullptr) {
    const double cpuBefore = cpuSeconds();
    const double wall = millisecondsOf([&] {
        window.cmdStart_Click();
        while (window.running()) {
            const int point = window.runControl().point();
            if (seen && point > int(seen->size()))
                seen->push_back(Clock::now());
            if (point >= points)
                window.session().command(ravo::Command::Stop);
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        QCoreApplication::processEvents(); // the last changes reach the screen
    });
    return {wall, (cpuSeconds() - cpuBefore) * 1000};
}

void setSlowDown(ravo::frmRavo& window, int value) {
    window.findChild<QScrollBar*>("HScroll1")->setValue(value);
}

// The pause before one detector point at a slow-down value: the time from one detector
// point to the next at that pace, less the drawing of a point at slow-down 1. A pause of
// this length is left to the event loop, so each point is seen as soon as it is drawn.
void measurePause(ravo::frmRavo& window, int slowDown, int points, double drawingPerPoint) {
    const std::int64_t steps = ravo::RunControl::stepsFor(slowDown);
    const double nominal =
        std::chrono::duration<double, std::milli>(ravo::RunControl::duration(steps)).count();
    setSlowDown(window, slowDown);
    std::vector<Clock::time_point> seen;
    windowRun(window, points + 1, &seen);
    setSlowDown(window, 1);
    std::vector<double> gaps;
    for (std::size_t k = 1; k < seen.size(); ++k)
        gaps.push_back(std::chrono::duration<double, std::milli>(seen[k] - seen[k - 1]).count());
    const double pause = median(gaps) - drawingPerPoint;
    std::printf("pause at slow-down %-5d (%6lld steps)       %9.4f ms   nominal %.4f ms, "
                "%+.3f %% (over %d points)\n",
                slowDown, static_cast<long long>(steps), pause, nominal,
                (pause / nominal - 1) * 100, points);
}

// Process CPU time over wall time while the slow-down waits before a few detector points.
void measureCpuShare(ravo::frmRavo& window, int slowDown, int points) {
    setSlowDown(window, slowDown);
    const Timed t = windowRun(window, points);
    setSlowDown(window, 1);
    std::printf("CPU share at slow-down %-5d over %d points   %9.2f %%   (%.1f ms CPU in %.1f ms; "
                "goal < 3 %%)\n",
                slowDown, points, t.cpu / t.wall * 100, t.cpu, t.wall);
}

} // namespace

int main(int argc, char* argv[]) {
    int runs = 7;
    bool fullScreen = false;
    for (int a = 1; a < argc; ++a) {
        if (std::string_view(argv[a]) == "--full-screen")
            fullScreen = true;
        else
            runs = std::max(1, std::atoi(argv[a]));
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    ravo::prepareApplication();
    ravo::frmRavo window;
    if (fullScreen) {
        window.showFullScreen();
        // Without a window manager (a bare X server) nobody makes the window full screen:
        // it takes the screen's whole area itself.
        const QRect screen = window.screen()->geometry();
        QElapsedTimer waited;
        waited.start();
        while (window.size() != screen.size() && waited.elapsed() < 2000) {
            if (waited.elapsed() > 200)
                window.setGeometry(screen);
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
    } else {
        window.show();
    }
    QCoreApplication::processEvents();
    // From the second run on, dots mode asks "Delete probability"; every run here answers
    // "Yes", so each measured run erases and draws the same picture.
    window.setAnswerProvider([](std::string_view) { return true; });
    windowRun(window); // the first run asks nothing; from here on every run is alike

    ravo::test::RecordingSurface recorder;
    {
        ravo::SettingsRecord settings(window.settings());
        ravo::SimulationRun(settings, recorder).perform([](std::string_view) { return true; });
    }

    std::printf("ravo-bench: %d runs each, platform %s, %zu drawing calls per run, window %d x %d "
                "at zoom %.2f on a screen of pixel ratio %.3g, picture %.3g:1\n",
                runs, qPrintable(QGuiApplication::platformName()), recorder.drawings().size(),
                window.width(), window.height(), window.zoom(), window.devicePixelRatioF(),
                window.canvas().factor());

    const double cpuBefore = cpuSeconds();
    const Series a = measure(runs, [&] { windowRun(window); });
    const double cpuPerRun = (cpuSeconds() - cpuBefore) * 1000 / runs;

    const QImage& picture = window.canvas().image();
    QImage floorImage(picture.size(), picture.format());
    floorImage.setDevicePixelRatio(picture.devicePixelRatio());
    const QColor ground = ravo::Palette::design().ground;
    const Series b = measure(runs, [&] {
        floorImage.fill(ground);
        ravo::test::paintCalls(recorder.calls, floorImage);
    });

    // What the window's surface leaves to QPainter as well: slanted lines and circles.
    std::vector<ravo::test::Call> painterOnly;
    std::copy_if(recorder.calls.begin(), recorder.calls.end(), std::back_inserter(painterOnly),
                 [](const ravo::test::Call& c) {
                     return c.kind == ravo::test::Call::Circle ||
                            (c.kind == ravo::test::Call::Line && c.x1 != c.x2 && c.y1 != c.y2);
                 });
    const Series d = measure(runs, [&] {
        floorImage.fill(ground);
        ravo::test::paintCalls(painterOnly, floorImage);
    });

    const ravo::PathSum sum(ravo::PathSumParameters::from(window.settings()));
    const double lastSamplePath = window.settings().number(ravo::Setting::nPůlLupy);
    ravo::DetectorTrace trace;
    volatile double checksum = 0; // keeps the arithmetic from being optimised away
    const Series c = measure(runs, [&] {
        double total = 0;
        for (int i = 1; i <= ravo::PathSum::detectorCount; ++i) {
            sum.trace(i, trace);
            total += trace.result.probability;
        }
        for (int i = 1; i <= ravo::SimulationRun::samplePointCount; ++i) {
            const double x = sum.parameters().geometry.detectorBaseX + 35.0 * i;
            for (int j = 0; j <= lastSamplePath; ++j) {
                const double angle = sum.phase(x, sum.pathY(j));
                total += std::cos(angle) + std::sin(angle);
            }
        }
        checksum = total;
    });

    // One run's record replayed into the window's picture, as a redraw does it.
    const ravo::RunRecord& lastRun = window.history().runs().back();
    const Series e = measure(runs, [&] {
        ravo::replay(lastRun, window.surface());
        window.surface().endPainting();
    });

    const double nominalRunPause = std::chrono::duration<double, std::milli>(
                                       ravo::RunControl::duration(ravo::RunControl::stepsFor(1)) *
                                       ravo::SimulationRun::detectorCount)
                                       .count();

    printSeries("(a) default run, window surface", a);
    std::printf("    processor time per run                     %9.2f ms\n", cpuPerRun);
    printSeries("(b) raster floor, one painter on an image", b);
    printSeries("(c) arithmetic alone, the path sum", c);
    printSeries("(d) of b, the slanted lines and circles", d);
    printSeries("(e) replay of one run's record", e);
    std::printf("    the slow-down's nominal pause in a         %9.2f ms\n", nominalRunPause);
    std::printf("a/b                                          %9.2f      (goal <= 0.35, "
                "0.3 on a screen scaled by 2)\n",
                a.median / b.median);
    std::printf("e/(a - pause), a replay against the live drawing %5.2f      (goal <= 1)\n",
                e.median / (a.median - nominalRunPause));
    std::printf("(d + pause)/b, the least a/b with (d) in QPainter %4.2f\n",
                (d.median + nominalRunPause) / b.median);
    std::printf("(a - c - pause)/b, the drawing part of a     %9.2f\n",
                (a.median - c.median - nominalRunPause) / b.median);
    const int points = ravo::SimulationRun::detectorCount;
    const double drawingPerPoint = (a.median - nominalRunPause) / points;
    std::printf("(a - c)/%d, one detector point               %9.3f ms   (drawing %.3f ms, "
                "pause %.3f ms)\n",
                points, (a.median - c.median) / points,
                (a.median - c.median - nominalRunPause) / points, nominalRunPause / points);

    measurePause(window, 37, 20, drawingPerPoint);
    measurePause(window, 1000, 3, drawingPerPoint);
    measureCpuShare(window, 1000, 5);

    // Five kept runs, then the whole picture drawn again, as a zoom or a screen change does.
    window.setAnswerProvider([](std::string_view) { return false; });
    for (int r = 0; r < 4; ++r)
        windowRun(window);
    const Series f = measure(runs, [&] { window.canvas().renew(true); });
    printSeries("(f) redraw with five kept runs", f);

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory (ru_maxrss)                      %9.1f MB   (goal < 80 MB)\n",
                double(usage.ru_maxrss) / 1024.0);
    return 0;
}

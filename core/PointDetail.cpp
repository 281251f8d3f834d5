// SPDX-License-Identifier: GPL-3.0-or-later
#include "PointDetail.h"

#include "PathSum.h"
#include "RunControl.h"
#include "SceneGeometry.h"

#include <algorithm>
#include <cmath>

namespace ravo {

namespace {

using Shape = Inspection::Shape;
using Kind = Shape::Kind;
using Align = Shape::Align;

// Where the texts and each picture stand, in the window's design units.
struct Frame {
    double left, top, width, height;
};
struct Places {
    Frame numbers, paths, run, spiral, plot;
    bool wrap; // the numbers and the paths' line may wrap
};
constexpr Places wide{{12, 6, 576, 20},    {12, 28, 576, 18},   {12, 46, 576, 36},
                      {12, 92, 284, 336},  {350, 110, 236, 290}, false};
// One above the other: every text may take more lines, the spiral as wide as the window, the
// plot below it with room on its left for its turned caption.
constexpr Places narrow{{12, 6, 276, 40},    {12, 48, 276, 48},   {12, 98, 276, 76},
                        {12, 178, 276, 250}, {50, 468, 226, 210}, true};

Text view(const char* source) {
    return Text("PointView", source);
}

Shape line(Role role, double x1, double y1, double x2, double y2, double width) {
    Shape s{Kind::Line, role};
    s.x1 = x1;
    s.y1 = y1;
    s.x2 = x2;
    s.y2 = y2;
    s.width = width;
    return s;
}

Shape label(Text text, double x, double y, double w, double h, Align align = Align::Centre,
            int pixels = 12) {
    Shape s{Kind::Label, Role::Axis};
    s.x1 = x;
    s.y1 = y;
    s.x2 = w;
    s.y2 = h;
    s.text = std::move(text);
    s.align = align;
    s.fontPixels = pixels;
    return s;
}

void addSpiral(std::vector<Shape>& shapes, const PointRecord& point, double step,
               const Frame& frame, bool wrap) {
    const double spiralLeft = frame.left, spiralTop = frame.top, spiralWidth = frame.width,
                 spiralHeight = frame.height;
    std::vector<std::pair<double, double>> chain{{0, 0}};
    for (const PathRecord& path : point.paths)
        chain.emplace_back(chain.back().first + step * std::cos(path.phase),
                           chain.back().second + step * std::sin(path.phase));
    double left = 0, right = 0, top = 0, bottom = 0;
    for (const auto& [x, y] : chain) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    const double scale = std::min(spiralWidth / std::max(right - left, 1.0),
                                  spiralHeight / std::max(bottom - top, 1.0)) *
                         0.9;
    const double shiftX = spiralLeft + spiralWidth / 2 - (left + right) / 2 * scale;
    const double shiftY = spiralTop + spiralHeight / 2 - (top + bottom) / 2 * scale;
    const auto at = [&](std::size_t k) {
        return std::pair{chain[k].first * scale + shiftX, chain[k].second * scale + shiftY};
    };
    Shape box{Kind::DottedRect, Role::BaseLine};
    box.x1 = spiralLeft;
    box.y1 = spiralTop;
    box.x2 = spiralWidth;
    box.y2 = spiralHeight;
    box.width = 0.5;
    shapes.push_back(box);
    for (std::size_t k = 1; k < chain.size(); ++k) {
        const auto [ax, ay] = at(k - 1);
        const auto [bx, by] = at(k);
        shapes.push_back(line(Role::Spiral, ax, ay, bx, by, 1.2));
        const double dx = bx - ax, dy = by - ay;
        const double length = std::hypot(dx, dy);
        if (length > 6) { // a small head on each arrow long enough to carry one
            const double ux = dx / length, uy = dy / length;
            shapes.push_back(line(Role::Spiral, bx, by, bx - ux * 4 - uy * 2, by - uy * 4 + ux * 2, 1.2));
            shapes.push_back(line(Role::Spiral, bx, by, bx - ux * 4 + uy * 2, by - uy * 4 - ux * 2, 1.2));
        }
    }
    const auto [fx, fy] = at(0);
    const auto [lx, ly] = at(chain.size() - 1);
    shapes.push_back(line(Role::Resultant, fx, fy, lx, ly, 3));
    // Where the spiral is narrow, its caption may take two lines.
    const double captionHeight = wrap ? 32 : 18;
    Shape caption = label(view(QT_TRANSLATE_NOOP("PointView", "Cornu spiral: the arrows of all paths, head to tail")),
                          spiralLeft, spiralTop + spiralHeight - captionHeight, spiralWidth, captionHeight);
    caption.wrap = wrap;
    shapes.push_back(caption);
}

void addPlot(std::vector<Shape>& shapes, const PointRecord& point, Role dot, const Frame& frame) {
    const double plotLeft = frame.left, plotTop = frame.top, plotWidth = frame.width,
                 plotHeight = frame.height;
    const auto [shortest, longest] = std::minmax_element(
        point.paths.begin(), point.paths.end(),
        [](const PathRecord& a, const PathRecord& b) { return a.time < b.time; });
    const double t0 = shortest->time, t1 = std::max(longest->time, t0 + 1e-9);
    const double y0 = point.paths.front().y, y1 = std::max(point.paths.back().y, y0 + 1e-9);
    const auto at = [&](const PathRecord& path) {
        return std::pair{plotLeft + (path.time - t0) / (t1 - t0) * plotWidth,
                         plotTop + (path.y - y0) / (y1 - y0) * plotHeight};
    };
    const double right = plotLeft + plotWidth, bottom = plotTop + plotHeight;
    shapes.push_back(line(Role::Axis, plotLeft, bottom + 12, right, bottom + 12, 1));
    shapes.push_back(line(Role::Axis, plotLeft - 12, plotTop, plotLeft - 12, bottom, 1));
    shapes.push_back(label(view(QT_TRANSLATE_NOOP("PointView", "trip time")), plotLeft, bottom + 14, plotWidth, 18));
    // The ends of the time axis: how little the trip times differ near a focus.
    shapes.push_back(label(Text::of(Number{t0, 2}), plotLeft - 30, bottom + 14, 60, 18));
    shapes.push_back(label(Text::of(Number{longest->time, 2}), right - 60, bottom + 14, 68, 18, Align::Right));
    Shape height = label(view(QT_TRANSLATE_NOOP("PointView", "height at the lens")), plotLeft - 16 - 18,
                         plotTop, 18, plotHeight);
    height.turned = true;
    shapes.push_back(height);
    shapes.push_back(label(view(QT_TRANSLATE_NOOP("PointView", "each path: its trip time, and its arrow")),
                           plotLeft - 12, plotTop - 30, plotWidth + 24, 16));
    for (const PathRecord& path : point.paths) {
        const auto [x, y] = at(path);
        shapes.push_back(line(Role::Arrow, x, y, x + 9 * std::cos(path.phase), y + 9 * std::sin(path.phase), 1));
    }
    for (const PathRecord& path : point.paths) {
        const auto [x, y] = at(path);
        Shape disc{Kind::Disc, dot};
        disc.x1 = x;
        disc.y1 = y;
        disc.x2 = 2.2;
        shapes.push_back(disc);
    }
    const auto [lx, ly] = at(*shortest);
    Shape ring{Kind::Ring, Role::Axis};
    ring.x1 = lx;
    ring.y1 = ly;
    ring.x2 = 6;
    ring.width = 1.5;
    shapes.push_back(ring);
    shapes.push_back(label(view(QT_TRANSLATE_NOOP("PointView", "least time")), lx + 14, ly - 8, 120, 16, Align::Left));
}

} // namespace

std::optional<Inspection> inspect(const RunHistory& history, MarkPlace place,
                                  Inspection::Layout layout) {
    if (!inspectable(history, place))
        return std::nullopt;
    const RunRecord& run = history.runs()[place.run];
    const PointRecord& point = run.points[place.index];
    const PointResult& result = point.result;
    const PathSum sum(PathSumParameters::from(run.settings));
    const double length = std::hypot(point.resultantX - result.x,
                                     point.resultantY - SceneGeometry::from(run.settings).spiralBaseY);
    Inspection out;
    out.place = place;
    out.point = result.index;
    out.title = view(QT_TRANSLATE_NOOP("PointView", "Ravo - point %1 of run %2"))
                    .arg(result.index)
                    .arg(int(place.run + 1));
    out.numbers = view(QT_TRANSLATE_NOOP("PointView", "Point %1 of %2, x = %3: P = %4"))
                      .arg(result.index)
                      .arg(RunControl::detectorCount)
                      .arg(Number{result.x})
                      .arg(Number{result.probability, 3});
    out.paths = Text("PointView",
                     QT_TRANSLATE_N_NOOP("PointView", "%n path(s); the resultant is %1 long (P = its "
                                                      "length squared times %2)"),
                     nullptr, int(point.paths.size()))
                    .arg(Number{length, 2})
                    .arg(Number{PathSum::probabilityFactor, 3});
    out.run = view(QT_TRANSLATE_NOOP("PointView", "Run %1: %2"))
                  .arg(int(place.run + 1))
                  .arg(runSettingsText(run.settings, result.mark->light));
    out.layout = layout;
    const Places& at = layout == Inspection::Layout::Narrow ? narrow : wide;
    const auto text = [&](const Text& t, const Frame& f, int pixels, bool wrap) {
        Shape s = label(t, f.left, f.top, f.width, f.height, Align::Left, pixels);
        s.wrap = wrap;
        return s;
    };
    Shape numbers = text(out.numbers, at.numbers, 14, at.wrap);
    numbers.bold = true;
    out.shapes.push_back(numbers);
    out.shapes.push_back(text(out.paths, at.paths, 12, at.wrap));
    out.shapes.push_back(text(out.run, at.run, 12, true));
    addSpiral(out.shapes, point, sum.parameters().spiralStep, at.spiral, at.wrap);
    addPlot(out.shapes, point, markRole(result.mark->light), at.plot);
    out.table = pathsTable(run, point);
    return out;
}

Inspection::Layout inspectionLayoutFor(double width, double height) {
    const double wide = std::min(width / Inspection::width, height / Inspection::height);
    const double narrow =
        std::min(width / Inspection::narrowWidth, height / Inspection::narrowHeight);
    return narrow > wide ? Inspection::Layout::Narrow : Inspection::Layout::Wide;
}

std::optional<MarkPlace> inspectNext(const RunHistory& history, MarkPlace place, int by) {
    const long next = long(place.index) + by;
    if (place.run >= history.runs().size() || next < 0)
        return std::nullopt;
    const MarkPlace there{place.run, std::size_t(next)};
    if (!inspectable(history, there))
        return std::nullopt;
    return there;
}

} // namespace ravo

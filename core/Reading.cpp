// SPDX-License-Identifier: GPL-3.0-or-later
#include "Reading.h"

#include "PathSum.h"
#include "SceneGeometry.h"

#include <algorithm>
#include <cmath>

namespace ravo {

namespace {

Text reading(const char* source) {
    return Text("Reading", source);
}

} // namespace

std::vector<std::size_t> MarkCursor::shownIndices(std::size_t run) const {
    std::vector<std::size_t> shown;
    if (run >= history_.runs().size())
        return shown;
    const RunRecord& record = history_.runs()[run];
    for (std::size_t i = 0; i < record.points.size(); ++i)
        if (history_.shown(run, record.points[i]))
            shown.push_back(i);
    return shown;
}

bool MarkCursor::standsOn(MarkPlace place) const {
    const auto& runs = history_.runs();
    return place.run < runs.size() && place.index < runs[place.run].points.size() &&
           history_.shown(place.run, runs[place.run].points[place.index]);
}

bool MarkCursor::moveTo(MarkPlace place) {
    if (!standsOn(place))
        return false;
    place_ = place;
    return true;
}

bool MarkCursor::move(Move move) {
    if (!place_) {
        recheck();
        return place_.has_value();
    }
    const MarkPlace here = *place_;
    switch (move) {
    case Move::Left:
    case Move::Right:
    case Move::First:
    case Move::Last: {
        const auto shown = shownIndices(here.run);
        if (shown.empty())
            return false;
        const auto at = std::find(shown.begin(), shown.end(), here.index);
        std::size_t to = here.index;
        if (move == Move::First)
            to = shown.front();
        else if (move == Move::Last)
            to = shown.back();
        else if (move == Move::Left && at != shown.begin() && at != shown.end())
            to = *(at - 1);
        else if (move == Move::Right && at != shown.end() && at + 1 != shown.end())
            to = *(at + 1);
        if (to == here.index)
            return false;
        return moveTo({here.run, to});
    }
    case Move::Up:
    case Move::Down: {
        // The same detector point of the nearest other run that shows a mark there.
        const int point = history_.runs()[here.run].points[here.index].result.index;
        const long step = move == Move::Up ? -1 : 1;
        for (long r = long(here.run) + step; r >= 0 && r < long(history_.runs().size()); r += step) {
            const RunRecord& run = history_.runs()[std::size_t(r)];
            for (std::size_t i = 0; i < run.points.size(); ++i)
                if (run.points[i].result.index == point &&
                    moveTo({std::size_t(r), i}))
                    return true;
        }
        return false;
    }
    }
    return false;
}

void MarkCursor::recheck() {
    const auto& runs = history_.runs();
    if (place_ && moveTo(*place_))
        return;
    const std::optional<MarkPlace> was = place_;
    place_.reset();
    // The nearest shown mark to where the cursor stood: the same run's nearest, else any
    // run's nearest by x.
    double best = 1e300;
    const double x = was && was->run < runs.size() && was->index < runs[was->run].points.size()
                         ? runs[was->run].points[was->index].result.x
                         : -1;
    for (std::size_t r = runs.size(); r-- > 0;) {
        const auto shown = shownIndices(r);
        if (shown.empty())
            continue;
        if (x < 0) {
            // Nowhere before: the latest run's highest mark.
            std::size_t peak = shown.front();
            for (std::size_t i : shown)
                if (runs[r].points[i].result.probability > runs[r].points[peak].result.probability)
                    peak = i;
            place_ = MarkPlace{r, peak};
            return;
        }
        for (std::size_t i : shown) {
            const double d = std::fabs(runs[r].points[i].result.x - x) + (was && r != was->run ? 1e6 : 0);
            if (d < best) {
                best = d;
                place_ = MarkPlace{r, i};
            }
        }
    }
}

Text MarkCursor::words() const {
    if (!place_ || !standsOn(*place_))
        return reading(QT_TRANSLATE_NOOP("Reading", "No marks yet."));
    const RunRecord& run = history_.runs()[place_->run];
    const PointRecord& point = run.points[place_->index];
    return reading(QT_TRANSLATE_NOOP("Reading", "Run %1: point %2, x = %3: P = %4 · %5"))
        .arg(int(place_->run + 1))
        .arg(point.result.index)
        .arg(Number{point.result.x})
        .arg(Number{point.result.probability, 1})
        .arg(runSettingsText(run.settings, point.result.mark->light));
}

std::optional<std::pair<double, double>> MarkCursor::at() const {
    if (!place_ || !standsOn(*place_))
        return std::nullopt;
    const PointResult& p = history_.runs()[place_->run].points[place_->index].result;
    return std::pair{p.x, p.markY};
}

std::vector<RunPeak> peaksShown(const RunHistory& history) {
    std::vector<RunPeak> peaks;
    const auto& runs = history.runs();
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const RunRecord& run = runs[r];
        std::vector<const PointRecord*> shown;
        for (const PointRecord& point : run.points)
            if (history.shown(r, point))
                shown.push_back(&point);
        if (shown.empty())
            continue;
        std::size_t top = 0;
        for (std::size_t i = 0; i < shown.size(); ++i)
            if (shown[i]->result.probability > shown[top]->result.probability)
                top = i;
        const double half = shown[top]->result.probability / 2;
        std::size_t from = top, to = top;
        while (from > 0 && shown[from - 1]->result.probability >= half &&
               shown[from - 1]->result.index == shown[from]->result.index - 1)
            --from;
        while (to + 1 < shown.size() && shown[to + 1]->result.probability >= half &&
               shown[to + 1]->result.index == shown[to]->result.index + 1)
            ++to;
        RunPeak peak;
        peak.run = r;
        peak.point = shown[top]->result.index;
        peak.x = shown[top]->result.x;
        peak.probability = shown[top]->result.probability;
        peak.fromX = shown[from]->result.x;
        peak.toX = shown[to]->result.x;
        peak.light = shown[top]->result.mark->light;
        peaks.push_back(peak);
    }
    return peaks;
}

std::vector<Text> describePicture(const RunHistory& history, const SettingsAccess& settings) {
    std::vector<Text> sentences;
    const SettingsAccess& lens = history.empty() ? settings : history.runs().back().settings;
    const bool whole = isWholeLens(lens.number(Setting::nPůlLupy));
    sentences.push_back(
        (whole ? reading(QT_TRANSLATE_NOOP("Reading", "The lens: radius %1, refractive index %2, aperture %3, the whole lens open."))
               : reading(QT_TRANSLATE_NOOP("Reading", "The lens: radius %1, refractive index %2, aperture %3, only its upper half open.")))
            .arg(settingValue(lens.text(Setting::nPoloměr)))
            .arg(settingValue(lens.text(Setting::nIndex)))
            .arg(settingValue(lens.text(Setting::nClona))));
    const std::vector<RunPeak> peaks = peaksShown(history);
    if (peaks.empty()) {
        sentences.push_back(reading(QT_TRANSLATE_NOOP("Reading", "No marks are shown yet.")));
        return sentences;
    }
    // Only a finished run has a focus: one stopped, or still going on, has its highest mark
    // so far, and is left out of the comparison.
    std::vector<RunPeak> focused;
    for (const RunPeak& peak : peaks) {
        const RunRecord& run = history.runs()[peak.run];
        if (run.progress != RunRecord::Progress::Finished) {
            sentences.push_back(
                reading(QT_TRANSLATE_NOOP("Reading", "Run %1, %2, not finished (%3 of %4 points): so far its highest mark is at point %5, x = %6, with P = %7."))
                    .arg(int(peak.run + 1))
                    .arg(runSettingsText(run.settings, peak.light))
                    .arg(int(run.points.size()))
                    .arg(PathSum::detectorCount)
                    .arg(peak.point)
                    .arg(Number{peak.x})
                    .arg(Number{peak.probability, 1}));
            continue;
        }
        focused.push_back(peak);
        sentences.push_back(
            reading(QT_TRANSLATE_NOOP("Reading", "Run %1, %2: it comes to its focus at point %3, x = %4, with P = %5; its peak, where the marks stand above half the highest, is %6 pixels wide, from x = %7 to %8."))
                .arg(int(peak.run + 1))
                .arg(runSettingsText(run.settings, peak.light))
                .arg(peak.point)
                .arg(Number{peak.x})
                .arg(Number{peak.probability, 1})
                .arg(Number{peak.toX - peak.fromX})
                .arg(Number{peak.fromX})
                .arg(Number{peak.toX}));
    }
    if (focused.size() > 1) {
        const auto [nearest, farthest] = std::minmax_element(
            focused.begin(), focused.end(), [](const RunPeak& a, const RunPeak& b) { return a.x < b.x; });
        if (nearest->x == farthest->x) {
            if (focused.size() == peaks.size())
                sentences.push_back(reading(QT_TRANSLATE_NOOP("Reading", "Every run shown comes to its focus at the same point.")));
        } else {
            sentences.push_back(
                reading(QT_TRANSLATE_NOOP("Reading", "Run %1 (%2) comes to its focus nearest the lens, run %3 (%4) farthest from it."))
                    .arg(int(nearest->run + 1))
                    .arg(colourName(nearest->light))
                    .arg(int(farthest->run + 1))
                    .arg(colourName(farthest->light)));
        }
    }
    return sentences;
}

Text runEndedText(const RunHistory& history) {
    if (history.empty())
        return {};
    const std::size_t last = history.runs().size() - 1;
    const RunRecord& run = history.runs()[last];
    const bool finished = run.progress == RunRecord::Progress::Finished;
    for (const RunPeak& peak : peaksShown(history))
        if (peak.run == last)
            return (finished ? reading(QT_TRANSLATE_NOOP("Reading", "Run %1 finished: it comes to its focus at point %2, x = %3, with P = %4."))
                             : reading(QT_TRANSLATE_NOOP("Reading", "Run %1 stopped: so far its highest mark is at point %2, x = %3, with P = %4.")))
                .arg(int(last + 1))
                .arg(peak.point)
                .arg(Number{peak.x})
                .arg(Number{peak.probability, 1});
    return (finished ? reading(QT_TRANSLATE_NOOP("Reading", "Run %1 finished."))
                     : reading(QT_TRANSLATE_NOOP("Reading", "Run %1 stopped.")))
        .arg(int(last + 1));
}

} // namespace ravo

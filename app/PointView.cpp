// SPDX-License-Identifier: GPL-3.0-or-later
#include "PointView.h"

#include "MarkReadout.h"
#include "MarkTable.h"
#include "PathSum.h"
#include "RunControl.h"
#include "SceneGeometry.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace ravo {

namespace {

// Where each part of the window stands, in its design pixels.
const QRectF spiralArea(12, 92, 284, 336);
const QRectF plotArea(350, 110, 236, 290);

} // namespace

PointView::PointView(QWidget* owner, const RunHistory& history)
    : QWidget(owner, Qt::Window), history_(history) {
    setObjectName("inspector");
    setMinimumSize(design / 2);
    resize(design);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int PointView::point() const {
    return current().result.index;
}

void PointView::inspect(std::size_t run, std::size_t index) {
    run_ = run;
    index_ = index;
    retitle();
    update();
}

void PointView::retitle() {
    setWindowTitle(tr("Ravo - point %1 of run %2").arg(point()).arg(run_ + 1));
    setAccessibleName(windowTitle());
}

void PointView::recheck() {
    if (run_ >= history_.runs().size() || index_ >= record().points.size() ||
        !history_.shown(run_, current()))
        close();
}

void PointView::setColours(const Palette& palette) {
    palette_ = &palette;
    update();
}

void PointView::step(int by) {
    const auto& points = record().points;
    const long next = long(index_) + by;
    if (next < 0 || next >= long(points.size()) || points[std::size_t(next)].paths.empty())
        return;
    inspect(run_, std::size_t(next));
}

void PointView::copyPicture() {
    QGuiApplication::clipboard()->setImage(grab().toImage());
}

void PointView::copyPaths() {
    auto* data = new QMimeData;
    const QString table = MarkTable::paths(record(), current(), locale_);
    data->setText(table);
    data->setData("text/tab-separated-values", table.toUtf8());
    QGuiApplication::clipboard()->setMimeData(data);
}

void PointView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copyPicture();
        return;
    }
    if (event->keyCombination() == (Qt::CTRL | Qt::SHIFT | Qt::Key_C)) {
        copyPaths();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_PageUp:
        step(-1);
        return;
    case Qt::Key_Right:
    case Qt::Key_PageDown:
        step(1);
        return;
    case Qt::Key_Escape:
        close();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void PointView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && run_ < history_.runs().size()) {
        retitle();
        update();
    }
    QWidget::changeEvent(event);
}

void PointView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette_->ground);
    if (run_ >= history_.runs().size() || index_ >= record().points.size())
        return;
    const qreal zoom = std::min(width() / qreal(design.width()), height() / qreal(design.height()));
    p.translate((width() - design.width() * zoom) / 2, (height() - design.height() * zoom) / 2);
    p.scale(zoom, zoom);
    p.setRenderHint(QPainter::Antialiasing);

    const RunRecord& run = record();
    const PointRecord& point = current();
    const PointResult& result = point.result;
    const PathSum sum(PathSumParameters::from(run.settings));
    const double step = sum.parameters().spiralStep;
    const QColor ink = palette_->of(Role::Axis);

    // The numbers.
    QFont font("Liberation Sans");
    font.setPixelSize(14);
    font.setBold(true);
    p.setFont(font);
    p.setPen(ink);
    const double length = std::hypot(point.resultantX - result.x,
                                     point.resultantY - SceneGeometry::from(run.settings).spiralBaseY);
    p.drawText(QRectF(12, 6, 576, 20), Qt::AlignLeft | Qt::AlignVCenter,
               tr("Point %1 of %2, x = %3: P = %4")
                   .arg(result.index)
                   .arg(RunControl::detectorCount)
                   .arg(MarkTable::number(locale_, result.x))
                   .arg(MarkTable::number(locale_, result.probability, 3)));
    font.setBold(false);
    font.setPixelSize(12);
    p.setFont(font);
    p.drawText(QRectF(12, 28, 576, 18), Qt::AlignLeft | Qt::AlignVCenter,
               tr("%n path(s); the resultant is %1 long (P = its length squared times %2)", nullptr,
                  int(point.paths.size()))
                   .arg(MarkTable::number(locale_, length, 2), MarkTable::number(locale_, 0.012)));
    const QString light = result.mark ? MarkReadout::runSettingsText(run.settings, result.mark->light)
                                      : QString();
    p.drawText(QRectF(12, 46, 576, 36), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               tr("Run %1: %2").arg(run_ + 1).arg(light));

    // The spiral: every path's arrow head to tail, and the green resultant.
    if (!point.paths.empty()) {
        std::vector<QPointF> chain{QPointF(0, 0)};
        for (const PathRecord& path : point.paths)
            chain.push_back(chain.back() + QPointF(step * std::cos(path.phase), step * std::sin(path.phase)));
        QRectF bounds(chain.front(), QSizeF(0, 0));
        for (const QPointF& c : chain)
            bounds |= QRectF(c, QSizeF(0.001, 0.001));
        const qreal scale = std::min(spiralArea.width() / std::max(bounds.width(), 1.0),
                                     spiralArea.height() / std::max(bounds.height(), 1.0)) * 0.9;
        const QPointF shift = spiralArea.center() - bounds.center() * scale;
        auto at = [&](QPointF c) { return c * scale + shift; };
        p.setPen(QPen(palette_->of(Role::BaseLine), 0.5, Qt::DotLine));
        p.drawRect(spiralArea);
        p.setPen(QPen(palette_->of(Role::Spiral), 1.2));
        for (std::size_t k = 1; k < chain.size(); ++k) {
            const QPointF a = at(chain[k - 1]), b = at(chain[k]);
            p.drawLine(a, b);
            const QPointF d = b - a;
            const qreal len = std::hypot(d.x(), d.y());
            if (len > 6) { // a small head on each arrow long enough to carry one
                const QPointF u = d / len, n(-u.y(), u.x());
                p.drawLine(b, b - u * 4 + n * 2);
                p.drawLine(b, b - u * 4 - n * 2);
            }
        }
        p.setPen(QPen(palette_->of(Role::Resultant), 3));
        p.drawLine(at(chain.front()), at(chain.back()));
        p.setPen(ink);
        p.drawText(QRectF(spiralArea.left(), spiralArea.bottom() - 18, spiralArea.width(), 18),
                   Qt::AlignCenter, tr("Cornu spiral: the arrows of all paths, head to tail"));
    }

    // Trip time against height, each path's arrow beside its dot.
    if (!point.paths.empty()) {
        const auto [shortest, longest] = std::minmax_element(
            point.paths.begin(), point.paths.end(),
            [](const PathRecord& a, const PathRecord& b) { return a.time < b.time; });
        const double t0 = shortest->time, t1 = std::max(longest->time, t0 + 1e-9);
        const double y0 = point.paths.front().y, y1 = std::max(point.paths.back().y, y0 + 1e-9);
        auto at = [&](const PathRecord& path) {
            return QPointF(plotArea.left() + (path.time - t0) / (t1 - t0) * plotArea.width(),
                           plotArea.top() + (path.y - y0) / (y1 - y0) * plotArea.height());
        };
        p.setPen(QPen(ink, 1));
        p.drawLine(plotArea.bottomLeft() + QPointF(0, 12), plotArea.bottomRight() + QPointF(0, 12));
        p.drawLine(plotArea.topLeft() - QPointF(12, 0), plotArea.bottomLeft() - QPointF(12, 0));
        p.drawText(QRectF(plotArea.left(), plotArea.bottom() + 14, plotArea.width(), 18),
                   Qt::AlignCenter, tr("trip time"));
        // The ends of the time axis: how little the trip times differ near a focus.
        p.drawText(QRectF(plotArea.left() - 30, plotArea.bottom() + 14, 60, 18), Qt::AlignCenter,
                   MarkTable::number(locale_, t0, 2));
        p.drawText(QRectF(plotArea.right() - 60, plotArea.bottom() + 14, 60 + 8, 18),
                   Qt::AlignRight | Qt::AlignVCenter, MarkTable::number(locale_, longest->time, 2));
        p.save();
        p.translate(plotArea.left() - 16, plotArea.center().y());
        p.rotate(-90);
        p.drawText(QRectF(-plotArea.height() / 2, -18, plotArea.height(), 18), Qt::AlignCenter,
                   tr("height at the lens"));
        p.restore();
        p.drawText(QRectF(plotArea.left() - 12, plotArea.top() - 30, plotArea.width() + 24, 16),
                   Qt::AlignCenter, tr("each path: its trip time, and its arrow"));
        const QColor dot = result.mark ? palette_->of(markRole(result.mark->light)) : ink;
        for (const PathRecord& path : point.paths) {
            const QPointF c = at(path);
            p.setPen(QPen(palette_->of(Role::Arrow), 1));
            p.drawLine(c, c + QPointF(9 * std::cos(path.phase), 9 * std::sin(path.phase)));
            p.setPen(Qt::NoPen);
            p.setBrush(dot);
            p.drawEllipse(c, 2.2, 2.2);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, 1.5));
        const QPointF least = at(*shortest);
        p.drawEllipse(least, 6, 6);
        p.drawText(QRectF(least.x() + 14, least.y() - 8, 120, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   tr("least time"));
    }
}

} // namespace ravo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureView.h"

#include "DrawingCanvas.h"
#include "Fonts.h"
#include "Help.h"
#include "Legend.h"
#include "QtText.h"
#include "Tones.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

#include <cmath>

namespace ravo {

PictureView::PictureView(DrawingCanvas& canvas, RunSession& session, const Form& form,
                         ViewSurface& surface, const QtTranslator& tr, Hooks hooks)
    : canvas_(canvas), session_(session), form_(form), surface_(surface), tr_(tr),
      hooks_(std::move(hooks)), cursor_(session.history()) {
    canvas_.setFocusPolicy(Qt::StrongFocus);
    canvas_.installEventFilter(this);
    canvas_.setOverlay([this](QPainter& painter) { paintOver(painter); });
    describe();
}

void PictureView::setView(const ViewOptions& view) {
    if (view == surface_.options())
        return;
    const bool redraw = view.shapes != surface_.options().shapes ||
                        view.hideMarks != surface_.options().hideMarks;
    surface_.setOptions(view);
    if (redraw && hooks_.redraw)
        hooks_.redraw();
    canvas_.update();
}

void PictureView::recordsChanged() {
    cursor_.recheck();
    describe();
    canvas_.update();
}

void PictureView::runEnded() {
    recordsChanged();
    const Text ended = runEndedText(session_.history());
    if (!ended.empty())
        announce(tr_(ended));
}

void PictureView::focusOn(MarkPlace place) {
    cursor_.moveTo(place);
    canvas_.setFocus(Qt::OtherFocusReason);
    announce(tr_(cursor_.words()));
    canvas_.update();
}

void PictureView::retranslate() {
    describe();
    if (canvas_.hasFocus())
        announce(tr_(cursor_.words()));
}

void PictureView::setDecorations(bool shown) {
    decorations_ = shown;
    canvas_.update();
}

// What a screen reader says for the picture: its name follows the cursor, and a change of
// it is told.
void PictureView::announce(const QString& words) {
    canvas_.setAccessibleName(words);
    QAccessibleEvent event(&canvas_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void PictureView::describe() {
    QStringList sentences;
    for (const Text& sentence : describePicture(session_.history(), form_.settings()))
        sentences << tr_(sentence);
    const QString description = sentences.join(' ');
    if (canvas_.accessibleDescription() == description)
        return;
    canvas_.setAccessibleDescription(description);
    QAccessibleEvent event(&canvas_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

bool PictureView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &canvas_)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        cursor_.recheck();
        announce(tr_(cursor_.words()));
        canvas_.update();
        return false;
    case QEvent::FocusOut:
        canvas_.update();
        return false;
    case QEvent::KeyPress:
        return key(static_cast<const QKeyEvent&>(*event));
    default:
        return false;
    }
}

// The picture's keys while it has the focus and no run goes on (a run's keys are the run's).
bool PictureView::key(const QKeyEvent& event) {
    if (session_.running())
        return false;
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const bool plain = modifiers == Qt::NoModifier;
    if (event.key() == Qt::Key_Menu || (event.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        QPoint at = canvas_.rect().center();
        if (const auto mark = cursor_.at())
            at = canvas_.placement().toWindow(QPointF(mark->first, mark->second)).toPoint();
        if (hooks_.menu)
            hooks_.menu(canvas_.mapToGlobal(at));
        return true;
    }
    if (!plain)
        return false;
    MarkCursor::Move move;
    switch (event.key()) {
    case Qt::Key_Left:
        move = MarkCursor::Move::Left;
        break;
    case Qt::Key_Right:
        move = MarkCursor::Move::Right;
        break;
    case Qt::Key_Home:
        move = MarkCursor::Move::First;
        break;
    case Qt::Key_End:
        move = MarkCursor::Move::Last;
        break;
    case Qt::Key_Up:
        move = MarkCursor::Move::Up;
        break;
    case Qt::Key_Down:
        move = MarkCursor::Move::Down;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (cursor_.place() && hooks_.inspect)
            hooks_.inspect(*cursor_.place());
        else
            announce(tr_(cursor_.words()));
        return true;
    case Qt::Key_L:
        listen();
        return true;
    default:
        return false;
    }
    cursor_.move(move);
    announce(tr_(cursor_.words()));
    playPoint();
    canvas_.update();
    return true;
}

void PictureView::listen() {
    if (session_.running()) {
        if (hooks_.notice)
            hooks_.notice(tr_(listenDuringRun()));
        return;
    }
    if (!sound_.available()) {
        if (hooks_.notice)
            hooks_.notice(tr_(listenWithoutSound()));
        return;
    }
    const auto& runs = session_.history().runs();
    if (runs.empty()) {
        announce(tr_(cursor_.words()));
        return;
    }
    const std::size_t run = cursor_.place() ? cursor_.place()->run : runs.size() - 1;
    std::vector<double> probabilities;
    double highest = 0;
    for (const PointRecord& point : runs[run].points) {
        probabilities.push_back(point.result.probability);
        highest = std::max(highest, point.result.probability);
    }
    sound_.play(Tones::run(probabilities, highest));
}

void PictureView::playPoint() {
    if (!cursor_.place() || !sound_.available())
        return;
    const RunRecord& run = session_.history().runs()[cursor_.place()->run];
    double highest = 0;
    for (const PointRecord& point : run.points)
        highest = std::max(highest, point.result.probability);
    const PointRecord& point = run.points[cursor_.place()->index];
    sound_.play(Tones::point(point.result.probability, highest, point.result.index - 1,
                             RunControl::detectorCount));
}

void PictureView::paintOver(QPainter& painter) {
    if (surface_.options().legend)
        paintLegend(painter);
    if (!decorations_ || !canvas_.hasFocus())
        return;
    const DesignPlacement& placement = canvas_.placement();
    const qreal zoom = placement.zoom;
    painter.setRenderHint(QPainter::Antialiasing);
    // The focus frame: inside the picture's edge, in the ink of its lines on a light band, so
    // that it shows on any ground.
    const QRectF area = QRectF(placement.designArea()).adjusted(2, 2, -3, -3);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(canvas_.colours().ground.lighter(150), std::max<qreal>(4, 4 * zoom)));
    painter.drawRect(area);
    painter.setPen(QPen(canvas_.colours().of(Role::Axis), std::max<qreal>(2, 2 * zoom), Qt::DashLine));
    painter.drawRect(area);
    if (const auto mark = cursor_.at()) {
        const QPointF at = placement.toWindow(QPointF(mark->first, mark->second));
        const qreal radius = 7 * zoom;
        painter.setPen(QPen(Qt::white, 4 * zoom));
        painter.drawEllipse(at, radius, radius);
        painter.setPen(QPen(Qt::black, 2 * zoom));
        painter.drawEllipse(at, radius, radius);
    }
}

void PictureView::paintLegend(QPainter& painter) {
    const std::vector<LegendEntry> entries = legendEntries(session_.history());
    if (entries.empty())
        return;
    QFont font(QString::fromLatin1(textFamily));
    font.setPixelSize(11);
    const QFontMetrics metrics(font);
    const QString title = tr_(legendTitle());
    int width = metrics.horizontalAdvance(title);
    QStringList lines;
    for (const LegendEntry& entry : entries) {
        lines << tr_(entry.words);
        width = std::max(width, 18 + metrics.horizontalAdvance(lines.back()));
    }
    const int row = metrics.height() + 2;
    const int boxWidth = width + 12, boxHeight = row * int(lines.size() + 1) + 8;
    const Rect place = legendPlace(session_.history(), boxWidth, boxHeight);
    const DesignPlacement& placement = canvas_.placement();
    painter.save();
    painter.translate(placement.toWindow(QPointF(place.x, place.y)));
    painter.scale(placement.zoom, placement.zoom);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(canvas_.colours().of(Role::Axis), 1));
    painter.setBrush(canvas_.colours().ground.lighter(110));
    painter.drawRect(QRectF(0.5, 0.5, boxWidth - 1, boxHeight - 1));
    painter.setFont(font);
    painter.drawText(QRectF(6, 4, width, row), Qt::AlignLeft | Qt::AlignVCenter, title);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const qreal y = 4 + row * qreal(i + 1);
        const QColor colour = canvas_.colours().of(entries[i].role);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        const QPointF centre(12, y + row / 2.0);
        if (entries[i].bars)
            painter.drawRect(QRectF(centre.x() - 1, y + 2, 2, row - 4));
        else if (surface_.options().shapes && entries[i].role == Role::MarkGreen)
            painter.drawRect(QRectF(centre.x() - 2, centre.y() - 2, 4, 4));
        else if (surface_.options().shapes && entries[i].role == Role::MarkRed)
            painter.drawPolygon(QPolygonF({centre + QPointF(0, -2.5), centre + QPointF(2.5, 2.5),
                                           centre + QPointF(-2.5, 2.5)}));
        else
            painter.drawEllipse(centre, 2, 2);
        painter.setPen(canvas_.colours().of(Role::Axis));
        painter.drawText(QRectF(24, y, width, row), Qt::AlignLeft | Qt::AlignVCenter, lines[int(i)]);
    }
    painter.restore();
}

} // namespace ravo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "PointView.h"

#include "Fonts.h"
#include "QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>

#include <algorithm>

namespace ravo {

void paintInspection(QPainter& p, const Inspection& inspection, const Palette& palette,
                     const QtTranslator& tr) {
    using Kind = Inspection::Shape::Kind;
    using Align = Inspection::Shape::Align;
    QFont font(QString::fromLatin1(textFamily));
    for (const Inspection::Shape& s : inspection.shapes) {
        const QColor colour = palette.of(s.role);
        switch (s.kind) {
        case Kind::Line:
            p.setPen(QPen(colour, s.width));
            p.drawLine(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2));
            break;
        case Kind::DottedRect:
            p.setPen(QPen(colour, s.width, Qt::DotLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(s.x1, s.y1, s.x2, s.y2));
            break;
        case Kind::Disc:
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawEllipse(QPointF(s.x1, s.y1), s.x2, s.x2);
            p.setBrush(Qt::NoBrush);
            break;
        case Kind::Ring:
            p.setPen(QPen(colour, s.width));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(s.x1, s.y1), s.x2, s.x2);
            break;
        case Kind::Label: {
            font.setPixelSize(s.fontPixels);
            font.setBold(s.bold);
            p.setFont(font);
            p.setPen(colour);
            int align = s.align == Align::Left    ? Qt::AlignLeft
                        : s.align == Align::Right ? Qt::AlignRight
                                                  : Qt::AlignHCenter;
            align |= s.wrap ? Qt::AlignTop | Qt::TextWordWrap : Qt::AlignVCenter;
            if (!s.turned) {
                p.drawText(QRectF(s.x1, s.y1, s.x2, s.y2), align, tr(s.text));
                break;
            }
            p.save();
            p.translate(s.x1 + s.x2 / 2, s.y1 + s.y2 / 2);
            p.rotate(-90);
            p.drawText(QRectF(-s.y2 / 2, -s.x2 / 2, s.y2, s.x2), align, tr(s.text));
            p.restore();
            break;
        }
        }
    }
}

PointView::PointView(QWidget* owner, const RunHistory& history, const QtTranslator& tr)
    : QWidget(owner, Qt::Window), history_(history), tr_(tr) {
    setObjectName("inspector");
    setMinimumSize(design / 2);
    resize(design);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PointView::inspect(MarkPlace place) {
    auto found = ravo::inspect(history_, place, layout_);
    if (!found)
        return;
    place_ = place;
    shown_ = std::move(found);
    retranslate();
}

void PointView::retranslate() {
    if (!shown_)
        return;
    shown_ = ravo::inspect(history_, place_, layout_);
    if (!shown_)
        return;
    setWindowTitle(tr_(shown_->title));
    setAccessibleName(windowTitle());
    setAccessibleDescription(tr_(shown_->numbers) + '\n' + tr_(shown_->paths) + '\n' +
                             tr_(shown_->run));
    update();
}

void PointView::recheck() {
    if (!inspectable(history_, place_))
        close();
}

void PointView::setColours(const Palette& palette) {
    palette_ = &palette;
    update();
}

void PointView::step(int by) {
    if (const auto next = inspectNext(history_, place_, by))
        inspect(*next);
}

void PointView::copyPicture() {
    QGuiApplication::clipboard()->setImage(grab().toImage());
}

void PointView::copyPaths() {
    if (!shown_)
        return;
    auto* data = new QMimeData;
    const QString table = toQString(writeTable(shown_->table, tr_));
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
        if (escaped_)
            escaped_(place_);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void PointView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void PointView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette_->ground);
    if (!shown_ || !inspectable(history_, place_))
        return;
    const QSize shape = layout_ == Inspection::Layout::Narrow ? narrowDesign : design;
    const qreal zoom = std::min(width() / qreal(shape.width()), height() / qreal(shape.height()));
    p.translate((width() - shape.width() * zoom) / 2, (height() - shape.height() * zoom) / 2);
    p.scale(zoom, zoom);
    p.setRenderHint(QPainter::Antialiasing);
    paintInspection(p, *shown_, *palette_, tr_);
}

void PointView::resizeEvent(QResizeEvent* event) {
    const Inspection::Layout wanted = inspectionLayoutFor(width(), height());
    if (wanted != layout_) {
        layout_ = wanted;
        retranslate(); // laid out anew
    }
    QWidget::resizeEvent(event);
}

} // namespace ravo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDrawingSurface.h"

#include "DrawingCanvas.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPen>
#include <QPushButton>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <thread>

namespace ravo {

namespace {

// Coordinates of this program stay within a few thousand pixels; anything that is not a
// plain finite number of moderate size is never handed to the rasteriser.
bool drawable(float v) {
    return std::isfinite(v) && std::fabs(v) < 1e6f;
}

// A box takes a key's answer when the key is released, and only for a key pressed while
// it is open. A box that went on the press would be gone when the release arrives: a
// program that sends keys to the box's window, as on-screen keyboards do, then fails on
// the release, and the key it pressed stays down and repeats into the next box.
class AnswerOnRelease : public QObject {
public:
    explicit AnswerOnRelease(QWidget& box) : box_(box) { qApp->installEventFilter(this); }
    ~AnswerOnRelease() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if (replaying_ || (type != QEvent::KeyPress && type != QEvent::KeyRelease))
            return false;
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != &box_)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (type == QEvent::KeyPress) {
            if (!key->isAutoRepeat()) {
                pressedKey_ = key->key();
                pressedModifiers_ = key->modifiers();
                pressedText_ = key->text();
            }
            return true;
        }
        if (key->isAutoRepeat() || pressedKey_ == 0 || key->key() != pressedKey_)
            return false;
        QKeyEvent press(QEvent::KeyPress, pressedKey_, pressedModifiers_, pressedText_);
        pressedKey_ = 0;
        replaying_ = true;
        QApplication::sendEvent(watched, &press);
        replaying_ = false;
        return false;
    }

private:
    QWidget& box_;
    int pressedKey_ = 0;
    Qt::KeyboardModifiers pressedModifiers_;
    QString pressedText_;
    bool replaying_ = false;
};

} // namespace

QColor toQColor(std::optional<Colour> colour) {
    if (!colour)
        return Qt::black;
    return QColor(int(*colour & 0xFF), int((*colour >> 8) & 0xFF), int((*colour >> 16) & 0xFF));
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QtDrawingSurface::QtDrawingSurface(QWidget& window, DrawingCanvas& canvas)
    : window_(window), canvas_(canvas) {
    // Only wakes the event loop at the end of a wait; nothing is connected to it.
    wakeUp_.setSingleShot(true);
    wakeUp_.setTimerType(Qt::PreciseTimer);
    canvas_.setBeforeLayersChange([this] { endPainting(); });
}

QtDrawingSurface::~QtDrawingSurface() {
    endPainting();
    canvas_.setBeforeLayersChange({});
}

// The painters on the picture's layers, with the pen of the current width in the given
// colour. The pen is changed only when it differs, which keeps a run's 37,000 lines free of
// allocations. The finer layers draw lines of one pixel with square ends: at a whole factor
// they cover the same pixels as round ends but take the rasteriser's much quicker way.
std::span<QPainter> QtDrawingSurface::painters(std::optional<Colour> colour) {
    const QColor wanted = toQColor(colour);
    const bool penChanged = pen_.color() != wanted || pen_.width() != penWidth_;
    if (penChanged) {
        pen_ = QPen(wanted, penWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        finePen_ = pen_;
        if (penWidth_ == 1)
            finePen_.setCapStyle(Qt::SquareCap);
    }
    if (painting_ == 0) {
        std::vector<QImage>& layers = canvas_.layers();
        painting_ = std::min(layers.size(), painters_.size());
        for (std::size_t i = 0; i < painting_; ++i) {
            painters_[i].begin(&layers[i]);
            painters_[i].setBrush(Qt::NoBrush);
            painters_[i].setPen(i == 0 ? pen_ : finePen_);
        }
    } else if (penChanged) {
        for (std::size_t i = 0; i < painting_; ++i)
            painters_[i].setPen(i == 0 ? pen_ : finePen_);
    }
    return std::span<QPainter>(painters_.data(), painting_);
}

void QtDrawingSurface::endPainting() {
    for (std::size_t i = 0; i < painting_; ++i)
        painters_[i].end();
    painting_ = 0;
}

void QtDrawingSurface::SetScaleToPixels() {
    // The canvas always measures in pixels of the client area.
}

void QtDrawingSurface::SetPenWidth(int width) {
    penWidth_ = width;
}

void QtDrawingSurface::DrawLine(float x1, float y1, float x2, float y2,
                                std::optional<Colour> colour) {
    holdIfAsked();
    if (!drawable(x1) || !drawable(y1) || !drawable(x2) || !drawable(y2))
        return;
    const QLineF line(x1, y1, x2, y2);
    const std::span<QPainter> layerPainters = painters(colour);
    std::vector<QImage>& layers = canvas_.layers();
    for (std::size_t i = 0; i < layerPainters.size(); ++i) {
        if (drawSpanLine(layerPainters[i], layers[i], x1, y1, x2, y2))
            spanLineCount_ += i == 0;
        else
            layerPainters[i].drawLine(line);
    }
    touched(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
    presentIfDue();
}

// A horizontal or vertical line straight into the picture's pixels, where the painter maps
// logical pixels to device pixels by a whole factor and nothing else is in its way.
bool QtDrawingSurface::drawSpanLine(QPainter& p, QImage& picture, float x1, float y1, float x2,
                                    float y2) {
    if (!spanLines_ || (x1 != x2 && y1 != y2))
        return false;
    const QTransform mapping = p.deviceTransform();
    if (mapping.type() > QTransform::TxScale || mapping.m11() != mapping.m22() ||
        mapping.dx() != 0 || mapping.dy() != 0)
        return false;
    const double scale = mapping.m11();
    if (scale != std::floor(scale))
        return false;
    if (p.hasClipping() || p.compositionMode() != QPainter::CompositionMode_SourceOver ||
        p.testRenderHint(QPainter::Antialiasing) || pen_.color().alpha() != 255)
        return false;
    return spans_.drawLine(picture, int(scale), penWidth_, pen_.color().rgb(), scale * x1,
                           scale * y1, scale * x2, scale * y2);
}

void QtDrawingSurface::DrawCircle(float x, float y, float radius, std::optional<Colour> colour) {
    holdIfAsked();
    if (!drawable(x) || !drawable(y) || !drawable(radius))
        return;
    for (QPainter& painter : painters(colour))
        painter.drawEllipse(QPointF(x, y), radius, radius);
    touched(x - radius, y - radius, x + radius, y + radius);
    presentIfDue();
}

// Kept as four numbers: this runs for every line, and the clipping waits for the showing.
void QtDrawingSurface::touched(float left, float top, float right, float bottom) {
    const float margin = float(penWidth_ + 1);
    if (dirtyLeft_ > dirtyRight_) {
        dirtyLeft_ = left - margin;
        dirtyTop_ = top - margin;
        dirtyRight_ = right + margin;
        dirtyBottom_ = bottom + margin;
        return;
    }
    dirtyLeft_ = std::min(dirtyLeft_, left - margin);
    dirtyTop_ = std::min(dirtyTop_, top - margin);
    dirtyRight_ = std::max(dirtyRight_, right + margin);
    dirtyBottom_ = std::max(dirtyBottom_, bottom + margin);
}

QRect QtDrawingSurface::takeDirty() {
    if (dirtyLeft_ > dirtyRight_)
        return {};
    const QRectF area(QPointF(dirtyLeft_, dirtyTop_), QPointF(dirtyRight_, dirtyBottom_));
    dirtyLeft_ = 1;
    dirtyRight_ = 0;
    return area.intersected(QRectF(canvas_.pictureRect())).toAlignedRect();
}

void QtDrawingSurface::presentIfDue() {
    if (Clock::now() - lastPresent_ >= displayFrame)
        present();
}

void QtDrawingSurface::present() {
    if (presenting_)
        return;
    presenting_ = true;
    endPainting();
    if (const QRect area = takeDirty(); !area.isEmpty())
        canvas_.repaintDesign(area);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    lastPresent_ = Clock::now();
    presenting_ = false;
    throwIfStopped();
}

void QtDrawingSurface::settle() {
    endPainting();
    if (const QRect area = takeDirty(); !area.isEmpty())
        canvas_.updateDesign(area);
}

void QtDrawingSurface::Flush() {
    present();
    holdIfAsked();
}

void QtDrawingSurface::KeepAlive() {
    present();
    holdIfAsked();
}

// Sleeps in the event loop until shortly before the deadline, waking for any event; the
// last stretch, under the event loop's granularity, is one precise sleep. The countdown
// asks again while time remains.
bool QtDrawingSurface::WaitUntil(Clock::time_point deadline) {
    present();
    holdIfAsked();
    if (stepping_)
        return true;
    // The timer is set early by how late the event loop has lately woken, so that a busy
    // machine does not stretch the pause.
    const Clock::time_point target = deadline - finalSleep - wakeLateness_;
    const auto remaining =
        std::chrono::duration_cast<std::chrono::milliseconds>(target - Clock::now());
    if (remaining.count() <= 0) {
        std::this_thread::sleep_until(deadline);
        return true;
    }
    const Clock::time_point due = Clock::now() + remaining;
    wakeUp_.start(remaining);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const bool timedOut = !wakeUp_.isActive();
    wakeUp_.stop();
    lastPresent_ = Clock::now();
    if (timedOut) {
        // A late wake-up counts at once; the estimate then shrinks slowly again.
        const Clock::duration late =
            std::clamp<Clock::duration>(lastPresent_ - due, {}, maxWakeLateness);
        wakeLateness_ = late > wakeLateness_ ? late : (wakeLateness_ * 7 + late) / 8;
    }
    throwIfStopped();
    holdIfAsked();
    return true;
}

void QtDrawingSurface::beginRun() {
    stopRequested_ = false;
    cancelled_ = false;
    holdAsked_ = false;
    stepping_ = false;
}

bool QtDrawingSurface::runKey(int key) {
    switch (key) {
    case Qt::Key_Space:
        holdAsked_ = !holdAsked_;
        stepping_ = false;
        return true;
    case Qt::Key_Right:
    case Qt::Key_PageDown:
        if (holdAsked_) {
            holdAsked_ = false;
            stepping_ = true;
        }
        return true;
    case Qt::Key_Escape:
        cancelled_ = true;
        return true;
    default:
        return false;
    }
}

void QtDrawingSurface::pointDone(bool last) {
    if (!stepping_)
        return;
    stepping_ = false;
    holdAsked_ = !last;
}

// Waits, drawing nothing, until the run is released, stepped or stopped. The time spent
// here is kept, so that the slow-down goes on from where it was.
void QtDrawingSurface::hold() {
    present();
    if (!holdAsked_)
        return;
    holding_ = true;
    const QString caption = window_.windowTitle();
    window_.setWindowTitle(caption + " (paused)");
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const Clock::time_point since = Clock::now();
    while (holdAsked_ && !stopRequested_ && !cancelled_)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    heldTime_ += Clock::now() - since;
    QApplication::restoreOverrideCursor();
    window_.setWindowTitle(caption);
    holding_ = false;
    lastPresent_ = Clock::now();
    throwIfStopped();
}

void QtDrawingSurface::throwIfStopped() const {
    if (stopRequested_ || cancelled_)
        throw RunStopped{};
}

void QtDrawingSurface::requestStop() {
    stopRequested_ = true;
    if (openBox_)
        openBox_->reject();
}

bool QtDrawingSurface::AskYesNo(std::string_view prompt) {
    present();
    bool yes = false;
    if (answerProvider_) {
        yes = answerProvider_(prompt);
    } else {
        QMessageBox box(QMessageBox::Question, "Ravo", toQString(prompt), QMessageBox::NoButton,
                        &window_);
        QPushButton* yesButton = box.addButton("Yes", QMessageBox::YesRole);
        QPushButton* noButton = box.addButton("No", QMessageBox::NoRole);
        box.setDefaultButton(yesButton);
        box.setEscapeButton(noButton);
        showModal(box);
        yes = box.clickedButton() == yesButton;
    }
    throwIfStopped();
    return yes;
}

void QtDrawingSurface::ShowMessage(std::string_view text) {
    if (messageSink_) {
        messageSink_(text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, "Ravo", toQString(text), QMessageBox::Ok, &window_);
    showModal(box);
}

// A box of the run waits for its answer under the ordinary cursor, with the picture free
// of any painter; closing the window dismisses it. The run's input guard keeps the window
// from input meanwhile, so the box need not block the window the way Qt's modal boxes do:
// a window blocked that way never hears the close request of a window manager.
void QtDrawingSurface::showModal(QMessageBox& box) {
    endPainting();
    openBox_ = &box;
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.setWindowModality(Qt::NonModal);
    const AnswerOnRelease answerOnRelease(box);
    QEventLoop answered;
    QObject::connect(&box, &QDialog::finished, &answered, &QEventLoop::quit);
    // The keyboard goes to the box, also when the window is brought to the front.
    const QMetaObject::Connection keepFocus = QObject::connect(
        qApp, &QGuiApplication::focusWindowChanged, &box, [this, &box](QWindow* focused) {
            if (focused && focused == window_.windowHandle() && box.isVisible())
                box.activateWindow();
        });
    box.show();
    box.activateWindow();
    if (box.isVisible())
        answered.exec();
    QObject::disconnect(keepFocus);
    QApplication::restoreOverrideCursor();
    openBox_ = nullptr;
}

void QtDrawingSurface::ShowControl(std::string_view controlName) {
    if (QWidget* control = window_.findChild<QWidget*>(toQString(controlName))) {
        control->show();
        control->raise();
    }
}

RunInputGuard::RunInputGuard(QWidget& window, RunInput runInput)
    : window_(window), runInput_(std::move(runInput)) {
    qApp->installEventFilter(this);
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

RunInputGuard::~RunInputGuard() {
    QApplication::restoreOverrideCursor();
    qApp->removeEventFilter(this);
}

bool RunInputGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::InputMethod:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        const auto* widget = qobject_cast<QWidget*>(watched);
        // Events to the window's QWindow (before they reach a widget) are held back too.
        const bool toWindow = (widget && widget->window() == &window_) ||
                              watched == static_cast<QObject*>(window_.windowHandle());
        if (toWindow && runInput_)
            runInput_(watched, event);
        return toWindow;
    }
    default:
        return false;
    }
}

} // namespace ravo

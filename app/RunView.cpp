// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunView.h"

#include "ControlsView.h"
#include "DrawingCanvas.h"
#include "QtDrawingSurface.h"
#include "QtText.h"
#include "RunBoxes.h"
#include "RunInputGuard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QWidget>

namespace ravo {

KeyPress keyPressOf(const QKeyEvent& event) {
    KeyPress press;
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    press.ctrl = modifiers & Qt::ControlModifier;
    press.shift = modifiers & Qt::ShiftModifier;
    press.alt = modifiers & (Qt::AltModifier | Qt::MetaModifier);
    press.repeat = event.isAutoRepeat();
    switch (event.key()) {
    case Qt::Key_Space:
        press.key = "Space";
        break;
    case Qt::Key_Right:
        press.key = "ArrowRight";
        break;
    case Qt::Key_Left:
        press.key = "ArrowLeft";
        break;
    case Qt::Key_PageDown:
        press.key = "PageDown";
        break;
    case Qt::Key_PageUp:
        press.key = "PageUp";
        break;
    case Qt::Key_Escape:
        press.key = "Escape";
        break;
    case Qt::Key_F1:
        press.key = "F1";
        break;
    case Qt::Key_C:
        press.key = "c";
        break;
    case Qt::Key_Q:
        press.key = "q";
        break;
    default:
        break;
    }
    return press;
}

RunView::RunView(QWidget& window, RunSession& session, QtDrawingSurface& surface,
                 DrawingCanvas& canvas, const QtTranslator& tr, Hooks hooks)
    : window_(window), session_(session), surface_(surface), canvas_(canvas), tr_(tr),
      hooks_(std::move(hooks)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &window_, [this] { advance(); });
    session_.onEnded([this] { ended(); });
    // Where a held or stopped run stands, over the prompt's band, which a run leaves grey.
    band_ = new QLabel(&window_);
    band_->setObjectName("statusBand");
    band_->setAlignment(Qt::AlignCenter);
    band_->setAttribute(Qt::WA_TransparentForMouseEvents);
    band_->setAutoFillBackground(true);
    band_->hide();
    caption_ = window_.windowTitle();
}

RunView::~RunView() {
    timer_.stop();
    box_.reset();
    guard_.reset();
}

void RunView::start() {
    if (!session_.start())
        return;
    guard_ = std::make_unique<RunInputGuard>(
        window_, [this](QObject* watched, QEvent* event) { input(watched, event); },
        [this](QObject* watched, QEvent* event) {
            return session_.held() && hooks_.letThrough && hooks_.letThrough(watched, event);
        });
    advance();
}

void RunView::close() {
    box_.reset();
    session_.close();
}

QWidget* RunView::openBox() const {
    return box_ ? box_->box() : nullptr;
}

void RunView::advanceSoon() {
    if (session_.running() && !session_.waitingForAnswer())
        timer_.start(0);
}

void RunView::advance() {
    const RunSession::Next next = session_.advance();
    if (next.wait == RunDriver::Wait::Ended)
        return; // ended() has shown the last of the picture
    surface_.present();
    switch (next.wait) {
    case RunDriver::Wait::Soon:
        timer_.start(0);
        break;
    case RunDriver::Wait::Until:
        timer_.start(std::chrono::duration_cast<std::chrono::milliseconds>(next.delay));
        break;
    case RunDriver::Wait::Answer:
        if (answerProvider_) {
            session_.answer(answerProvider_(next.text));
            timer_.start(0);
        } else {
            box_ = RunBox::question(window_, "Ravo", tr_(RunSession::questionText(next.text)),
                                    tr_(Text("frmRavo", QT_TRANSLATE_NOOP("frmRavo", "Yes"))),
                                    tr_(Text("frmRavo", QT_TRANSLATE_NOOP("frmRavo", "No"))),
                                    [this](bool yes) { answer(yes); });
        }
        break;
    case RunDriver::Wait::Acknowledge:
        if (messageSink_) {
            messageSink_(next.text);
            session_.answer(false);
            timer_.start(0);
        } else {
            box_ = RunBox::refusal(window_, "Ravo",
                                   tr_(RunSession::refusalText(tr_.decimalSeparator())),
                                   [this](bool) { answer(false); });
        }
        break;
    case RunDriver::Wait::Held:
    case RunDriver::Wait::Ended:
        break;
    }
    if (box_ && hooks_.zoom)
        hooks_.zoom(*box_->box());
    showState();
}

void RunView::answer(bool yes) {
    box_.reset();
    if (!session_.running())
        return;
    session_.answer(yes);
    advance();
}

void RunView::ended() {
    timer_.stop();
    box_.reset();
    guard_.reset();
    surface_.settle();
    showState();
    if (hooks_.ended)
        hooks_.ended();
}

// The keys a run holds back: its own, and, while it is held, copying, the list of keys and
// the picture's menu; Ctrl+Q closes the window also during a run.
void RunView::input(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const Command command = session_.commandFor(keyPressOf(*static_cast<QKeyEvent*>(event)));
        switch (command) {
        case Command::None:
            break;
        case Command::ToggleHold:
        case Command::Step:
        case Command::Stop:
            if (session_.command(command)) {
                showState();
                advanceSoon();
            }
            break;
        default:
            if (hooks_.command)
                hooks_.command(command);
            break;
        }
        return;
    }
    if (event->type() == QEvent::MouseButtonPress && session_.held()) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::RightButton || watched != &canvas_)
            return;
        if (hooks_.menu)
            hooks_.menu(mouse->globalPosition().toPoint());
    }
}

// A held run says so in the window's title and by the ordinary cursor; the window's
// accessible description says where any run stands, and the band over the prompt where a
// held run stands, and after Escape where it stopped, until the next Start.
void RunView::showState() {
    const bool held = session_.held();
    if (held != showingHeld_) {
        showingHeld_ = held;
        window_.setWindowTitle(held ? tr_(RunSession::pausedTitle()).arg(caption_) : caption_);
        if (held)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
        else
            QApplication::restoreOverrideCursor();
    }
    const QString status = tr_(session_.status());
    if (window_.accessibleDescription() != status)
        window_.setAccessibleDescription(status);
    if (session_.bandShown()) {
        band_->setText(status);
        placeBand();
        band_->show();
        band_->raise();
    } else {
        band_->hide();
    }
}

void RunView::retranslate() {
    if (showingHeld_)
        window_.setWindowTitle(tr_(RunSession::pausedTitle()).arg(caption_));
    showState();
}

// The band x 200 to 600, y 240 to 265 at the zoom, in the prompt's font, made smaller only
// where the text would not fit.
void RunView::placeBand() {
    const QRect area = canvas_.placement().toWindow(QRect(200, 240, 401, 26));
    band_->setGeometry(area);
    QPalette palette = band_->palette();
    palette.setColor(QPalette::Window, canvas_.colours().ground);
    palette.setColor(QPalette::WindowText, canvas_.colours().of(Role::Axis));
    band_->setPalette(palette);
    QFont font = fontAt(FontRole::Title, canvas_.placement().zoom);
    while (font.pixelSize() > 5 &&
           QFontMetrics(font).horizontalAdvance(band_->text()) > area.width() - 4)
        font.setPixelSize(font.pixelSize() - 1);
    band_->setFont(font);
}

} // namespace ravo

// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmRavo.h"

#include "ControlsView.h"
#include "KeysHelp.h"
#include "Languages.h"
#include "Help.h"
#include "Link.h"
#include "PictureMenu.h"
#include "PictureView.h"
#include "PointView.h"
#include "ProgramIcon.h"
#include "RunView.h"
#include "WindowSizing.h"
#include "ZoomedStyle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QMimeData>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QStyleFactory>
#include <QToolTip>
#include <QWindow>

#include <algorithm>

namespace ravo {

namespace {

Text pictureName() {
    return Text("frmRavo", QT_TRANSLATE_NOOP("frmRavo", "Picture"));
}

} // namespace

QString MarkReadout::textAt(double x, double y) const {
    QStringList lines;
    for (const Text& line : readoutAt(history_, x, y))
        lines << tr_(line);
    return lines.join('\n');
}

void prepareApplication() {
    // The classic Windows style follows the metrics the layout was made for: a frame's title
    // sits on the frame's top line, the indicators of option buttons and the check box are
    // 13 pixels, and every caption fits its control. Fusion sets the title above a lower
    // line, which then runs through the first row of option buttons.
    if (QStyle* style = QStyleFactory::create("Windows"))
        QApplication::setStyle(style);
}

frmRavo::frmRavo(QWidget* parent, Languages* languages, const RunClock& clock) : QWidget(parent) {
    if (!languages) {
        ownLanguages_ = std::make_unique<Languages>();
        ownLanguages_->use(Languages::fromDesktop());
        languages = ownLanguages_.get();
    }
    languages_ = languages;
    locale_ = languages_->locale();
    tr_.setLanguage(languages_->current().toStdString());
    setObjectName("frmRavo");
    setWindowTitle("Ravo - https://ravo.example.org");
    setWindowIcon(programIcon());
    setFont(fontAt(FontRole::Default));
    setAutoFillBackground(true);
    // The controls stand where the layout puts them, also under a right-to-left language.
    setLayoutDirection(Qt::LeftToRight);

    canvas_ = new DrawingCanvas(this);
    canvas_->lower();
    qtSurface_ = std::make_unique<QtDrawingSurface>(*canvas_);
    surface_ = std::make_unique<ViewSurface>(*qtSurface_);
    session_ = std::make_unique<RunSession>(form_, *surface_, clock);
    readout_ = std::make_unique<MarkReadout>(session_->history(), tr_);
    controls_ = std::make_unique<ControlsView>(*this, form_, *canvas_, tr_);
    controls_->onStart([this] { cmdStart_Click(); });
    controls_->onExit([this] { cmdKonec_Click(); });
    controls_->paintLabels();
    qtSurface_->setShowControl([this](std::string_view name) {
        controls_->show(name);
        if (QWidget* shown = controls_->control(name))
            shown->raise();
    });
    RunView::Hooks hooks;
    hooks.command = [this](Command c) { command(c); };
    hooks.menu = [this](QPoint at) { menu_->popup(at); };
    hooks.letThrough = [this](QObject* watched, QEvent* event) { return letThrough(watched, event); };
    hooks.ended = [this] { runEnded(); };
    hooks.zoom = [this](QWidget& box) { zoomWith(box); };
    runView_ = std::make_unique<RunView>(*this, *session_, *qtSurface_, *canvas_, tr_, std::move(hooks));
    PictureView::Hooks picture;
    picture.inspect = [this](MarkPlace place) { inspect(place); };
    picture.menu = [this](QPoint at) { menu_->popup(at); };
    picture.notice = [this](const QString& text) { notice(text); };
    picture.redraw = [this] { canvas_->renew(true); };
    picture_ = std::make_unique<PictureView>(*canvas_, *session_, form_, *surface_, tr_, std::move(picture));
    // The picture is the last stop of the Tab key, after the window's controls.
    setTabOrder(controls_->control("HScroll1"), canvas_);
    menu_ = std::make_unique<PictureMenu>(*this);
    connectShortcuts();
    canvas_->setRedraw([this] { redrawPicture(); });
    sizing_ = std::make_unique<WindowSizing>(*this);
    placeDesign();
    if (QWidget* start = controls_->control("cmdStart"))
        start->setFocus();
    Form_Load();
}

frmRavo::~frmRavo() {
    canvas_->setOverlay({});
    picture_.reset();
    runView_.reset();
    session_.reset();
    canvas_->setRedraw({});
}

// What the window offers beyond its controls: copying the picture and the data, the list
// of keys, closing, full screen, the picture's menu and the readout of its marks.
void frmRavo::connectShortcuts() {
    const auto shortcut = [this](QKeySequence keys, auto action) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
    };
    shortcut(QKeySequence::Copy, [this] { copyPicture(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] { copyData(); });
    shortcut(QKeySequence(Qt::Key_F1), [this] { showKeysHelp(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
    shortcut(QKeySequence(Qt::Key_F11), [this] { toggleFullScreen(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_L), [this] { copyLink(); });
    shortcut(QKeySequence::Undo, [this] { undoErase(); });
    auto* paste = new QShortcut(QKeySequence::Paste, canvas_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(paste, &QShortcut::activated, this,
            [this] { openLink(QGuiApplication::clipboard()->text()); });
    canvas_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(canvas_, &QWidget::customContextMenuRequested, this,
            [this](QPoint point) { menu_->popup(canvas_->mapToGlobal(point)); });
    canvas_->installEventFilter(this);
    canvas_->setAccessibleName(tr_(pictureName()));
}

void frmRavo::command(Command c) {
    switch (c) {
    case Command::CopyPicture:
        copyPicture();
        break;
    case Command::CopyData:
        copyData();
        break;
    case Command::KeysHelp:
        showKeysHelp();
        break;
    case Command::Quit:
        close();
        break;
    default:
        break;
    }
}

void frmRavo::click(std::string_view control) {
    if (auto* button = qobject_cast<QAbstractButton*>(controls_->control(control)))
        button->click();
}

QWidget* frmRavo::openBox() const {
    return runView_->openBox();
}

const QLabel* frmRavo::statusBand() const {
    return runView_->statusBand();
}

void frmRavo::setAnswerProvider(std::function<bool(std::string_view)> provider) {
    runView_->setAnswerProvider(std::move(provider));
}

void frmRavo::setMessageSink(std::function<void(std::string_view)> sink) {
    runView_->setMessageSink(std::move(sink));
}

void frmRavo::Form_Load() {
    form_.load();
}

// A run begins: its record opens with the settings as they are, the window holds back
// input, and the event loop advances the run from here on.
void frmRavo::cmdStart_Click() {
    runView_->start();
}

void frmRavo::cmdKonec_Click() {
    close();
}

void frmRavo::runEnded() {
    if (inspector_)
        inspector_->recheck();
    // A run that drew has painted the prompt's band over "Please press button Start": its
    // label, whose text lives in the picture, is no longer offered to a screen reader.
    if (!session_->history().empty())
        if (auto* prompt = dynamic_cast<DrawingLayerLabel*>(controls_->control("labKlepnete")))
            prompt->setCovered(true);
    picture_->runEnded();
}

// The design's area as shown, without the grey beside it in a wider or taller window.
void frmRavo::copyPicture() {
    if (!session_->takesInput())
        return;
    // The focus frame and the cursor belong to the window, not to the picture.
    picture_->setDecorations(false);
    QGuiApplication::clipboard()->setImage(grab(canvas_->placement().designArea()).toImage());
    picture_->setDecorations(true);
}

// Every mark shown, as a table for a spreadsheet; says what it copied.
void frmRavo::copyData() {
    if (!session_->takesInput())
        return;
    const Table table = marksTable(session_->history());
    const QString text = toQString(writeTable(table, tr_));
    auto* data = new QMimeData;
    data->setText(text);
    data->setData("text/tab-separated-values", text.toUtf8());
    QGuiApplication::clipboard()->setMimeData(data);
    notice(tr_(copiedMarks(table.rows.size())));
}

// A short notice over the picture, as a tooltip, which a screen reader also hears.
void frmRavo::notice(const QString& text) {
    lastNotice_ = text;
    QToolTip::showText(canvas_->mapToGlobal(canvas_->placement().designArea().center()), text,
                       canvas_);
}

QPointF frmRavo::designPoint(QPoint windowPoint) const {
    // The centre of the pixel, in the design's pixels at the zoom and place of the design.
    return canvas_->placement().toDesign(QPointF(windowPoint) + QPointF(0.5, 0.5));
}

void frmRavo::zoomWith(QWidget& widget) const {
    widget.setFont(fontAt(FontRole::Default, std::max<qreal>(zoom_, 1)));
    if (controls_->style() && zoom_ > 1)
        widget.setStyle(controls_->style());
}

void frmRavo::setLanguage(const QString& code) {
    languages_->use(code);
    // Installing and removing translators tells every widget; the window answers at once.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    retranslate();
}

QString frmRavo::language() const {
    return languages_->current();
}

void frmRavo::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

// Every text in the program's language, the picture's two labels too; the runs drawn stay
// as they are.
void frmRavo::retranslate() {
    if (!controls_)
        return;
    locale_ = languages_->locale();
    tr_.setLanguage(languages_->current().toStdString());
    controls_->retranslate();
    canvas_->setAccessibleName(tr_(pictureName()));
    picture_->retranslate();
    if (inspector_)
        inspector_->retranslate();
    runView_->retranslate();
    placeDesign(true);
    canvas_->renew(true);
}

// As a drag of the scroll bar would: one change, at its end.
void frmRavo::setPace(int slowDown) {
    if (!running())
        controls_->scrollBar().setValue(slowDown);
}

PointView* frmRavo::inspector() const {
    return inspector_.data();
}

KeysHelp* frmRavo::keysHelp() const {
    return keysHelp_.data();
}

void frmRavo::showKeysHelp() {
    const bool first = !keysHelp_;
    if (first)
        keysHelp_ = new KeysHelp(this, tr_);
    keysHelp_->setZoom(std::max<qreal>(zoom_, 1));
    if (first)
        sizing_->placeBeside(*keysHelp_);
    keysHelp_->show();
    keysHelp_->raise();
    keysHelp_->activateWindow();
}

// The opened window looks inside the detector point of the mark, of whichever run drew it.
bool frmRavo::inspectAt(QPointF designPoint) {
    const auto mark = markAt(session_->history(), designPoint.x(), designPoint.y());
    if (!mark)
        return false;
    inspect(*mark);
    return true;
}

void frmRavo::inspect(MarkPlace place) {
    if (!inspectable(session_->history(), place))
        return;
    if (!inspector_) {
        inspector_ = new PointView(this, session_->history(), tr_);
        inspector_->setColours(canvas_->colours());
        const QRect room = screen() ? screen()->availableGeometry() : frameGeometry();
        inspector_->resize(
            (PointView::design * std::max<qreal>(zoom_, 1)).boundedTo(room.size() * 0.9));
        sizing_->placeBeside(*inspector_);
        // Escape brings the focus back to the picture, at the mark looked inside.
        inspector_->onEscape([this](MarkPlace at) {
            activateWindow();
            picture_->focusOn(at);
        });
    }
    inspector_->inspect(place);
    inspector_->show();
    inspector_->raise();
    inspector_->activateWindow();
}

void frmRavo::setView(const ViewOptions& view) {
    setProjectorColours(view.projector);
    picture_->setView(view);
}

void frmRavo::copyLink() {
    if (!session_->takesInput())
        return;
    const QString link = toQString(writeLink(linkOf(session_->history(), view())));
    QGuiApplication::clipboard()->setText(link);
    notice(tr_(linkCopied()));
}

bool frmRavo::openLink(const QString& text) {
    if (running())
        return false;
    const auto read = readLink(text.toStdString());
    if (const auto* wrong = std::get_if<LinkError>(&read)) {
        notice(tr_(wrong->message));
        return false;
    }
    const PictureLink& link = std::get<PictureLink>(read);
    if (inspector_)
        inspector_->close();
    session_->load(link);
    setView(link.view);
    canvas_->renew(true);
    picturesRecordsChanged();
    notice(tr_(linkOpened(int(link.runs.size()))));
    return true;
}

bool frmRavo::undoErase() {
    if (!session_->undoErase()) {
        if (!running())
            notice(tr_(nothingToUndo()));
        return false;
    }
    canvas_->renew(true);
    picturesRecordsChanged();
    notice(tr_(eraseUndone()));
    return true;
}

// After the records changed beside a run: what the picture's readers see follows them.
void frmRavo::picturesRecordsChanged() {
    if (!session_->history().empty())
        if (auto* prompt = dynamic_cast<DrawingLayerLabel*>(controls_->control("labKlepnete")))
            prompt->setCovered(true);
    if (inspector_)
        inspector_->recheck();
    picture_->recordsChanged();
    runView_->showState();
}

void frmRavo::setProjectorColours(bool on) {
    if (on == projector_)
        return;
    projector_ = on;
    ViewOptions options = surface_->options();
    options.projector = on;
    surface_->setOptions(options);
    controls_->colour(on);
    canvas_->setColours(on ? Palette::projector() : Palette::design());
    canvas_->renew(true);
    if (inspector_)
        inspector_->setColours(canvas_->colours());
    update();
}

// While a run is held, the mouse may move over the picture, so that resting on a mark
// shows its readout, and a click on a mark opens its inspector; nothing else of it reaches
// the window.
bool frmRavo::letThrough(QObject* watched, QEvent* event) const {
    if (watched != canvas_ && watched != static_cast<QObject*>(windowHandle()))
        return false;
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    switch (event->type()) {
    case QEvent::MouseMove:
        return mouse->buttons() == Qt::NoButton;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        if (mouse->button() != Qt::LeftButton)
            return false;
        if (watched == canvas_)
            return true;
        return childAt(mouse->position().toPoint()) == canvas_;
    default:
        return false;
    }
}

// A click on a mark opens its inspector; resting the mouse on a mark shows its readout.
bool frmRavo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == canvas_ && event->type() == QEvent::MouseButtonPress && session_->takesInput()) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            inspectAt(designPoint(canvas_->mapTo(this, mouse->position().toPoint()))))
            return true;
    }
    if (watched != canvas_ || event->type() != QEvent::ToolTip)
        return QWidget::eventFilter(watched, event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QPointF at = designPoint(canvas_->mapTo(this, help->pos()));
    const QString text = readout_->textAt(at.x(), at.y());
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), text, canvas_);
    }
    return true;
}

void frmRavo::redrawPicture() {
    controls_->paintLabels();
    const int penWidth = qtSurface_->penWidth();
    surface_->SetPenWidth(1);
    session_->history().replay(*surface_);
    surface_->SetPenWidth(penWidth);
    qtSurface_->endPainting();
}

void frmRavo::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (sizing_)
        sizing_->shown();
}

void frmRavo::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (sizing_)
        sizing_->moved();
}

void frmRavo::toggleFullScreen() {
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}

// Every control, font and the picture at the zoom and place of the design in the client
// area as it is now.
void frmRavo::placeDesign(bool refit) {
    const DesignPlacement placement = DesignPlacement::fitting(size());
    canvas_->setGeometry(rect());
    canvas_->setPlacement(placement);
    const bool rezoomed = placement.zoom != zoom_;
    zoom_ = placement.zoom;
    controls_->place(placement, refit);
    if (rezoomed) {
        // Tooltips, the readout and the help grow with the window (never below the design).
        QToolTip::setFont(fontAt(FontRole::Default, std::max<qreal>(zoom_, 1)));
        if (keysHelp_)
            keysHelp_->setZoom(std::max<qreal>(zoom_, 1));
    }
    if (statusBand()->isVisible())
        runView_->placeBand();
}

void frmRavo::resizeEvent(QResizeEvent* event) {
    if (sizing_)
        sizing_->resized(*event);
    placeDesign();
    QWidget::resizeEvent(event);
}

// Closing ends a run where it stands, a question unanswered, and the window closes at once.
void frmRavo::closeEvent(QCloseEvent* event) {
    if (running())
        runView_->close();
    event->accept();
}

} // namespace ravo

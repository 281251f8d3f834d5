// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmRavo.h"

#include "ControlHelp.h"
#include "ControlTable.h"
#include "NumberText.h"
#include "ProgramIcon.h"
#include "ZoomedStyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <QToolTip>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <vector>

namespace ravo {

namespace {

// The layout is in pixels at 96 dpi, so the fonts are given in pixels: 8.25 pt is 11 px,
// 12 pt is 16 px, 14.25 pt is 19 px, 15.75 pt is 21 px. Liberation Sans and Serif keep the
// metrics of the classic sans-serif and Times faces the layout was made for. A zoomed
// design has its fonts zoomed, to the nearest whole pixel.
QFont fontFor(FontRole role, qreal zoom = 1) {
    QFont font;
    const auto pixels = [zoom](int designPixels) {
        return std::max(1, int(std::lround(designPixels * zoom)));
    };
    switch (role) {
    case FontRole::Default:
    case FontRole::DefaultBold:
        font.setFamily("Liberation Sans");
        font.setPixelSize(pixels(11));
        font.setBold(role == FontRole::DefaultBold);
        break;
    case FontRole::Title:
        font.setFamily("Liberation Serif");
        font.setPixelSize(pixels(21));
        font.setBold(true);
        break;
    case FontRole::Button:
        font.setFamily("Liberation Serif");
        font.setPixelSize(pixels(19));
        font.setBold(true);
        break;
    case FontRole::Caption:
        font.setFamily("Liberation Sans");
        font.setPixelSize(pixels(16));
        break;
    }
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

// An option button of a frame. Every shown option button is a stop of the Tab key, in
// the order of the tab indices; a plain QRadioButton takes its group's other buttons out of
// the Tab order whenever it gets the focus, so this one puts them back.
class OptionButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void focusInEvent(QFocusEvent* event) override {
        QRadioButton::focusInEvent(event);
        if (QWidget* frame = parentWidget())
            for (auto* button : frame->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
                button->setFocusPolicy(Qt::StrongFocus);
    }
};

// The window's colours are the design's own whatever the desktop's theme or colour scheme:
// the classic Windows palette with the window's grey as the face of every control. Every
// role of every group is marked as set, so the controls take these colours rather than
// those a theme keeps for their kind (a dark text box, light captions).
QPalette designPalette() {
    const std::unique_ptr<QStyle> windows(QStyleFactory::create("Windows"));
    QPalette palette = windows ? windows->standardPalette() : QPalette(Qt::black, Qt::lightGray);
    const QColor grey = toQColor(backgroundGrey);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, grey);
        palette.setColor(group, QPalette::Button, grey);
    }
    palette.setColor(QPalette::Disabled, QPalette::Base, grey);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            palette.setBrush(group, QPalette::ColorRole(role),
                             palette.brush(group, QPalette::ColorRole(role)));
    return palette;
}

// A frame whose title is laid out left to right whatever the language: a painter takes
// its text direction from the application, and a title centred in its gap would otherwise
// move by a fraction of a pixel.
class Frame : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        painter.setLayoutDirection(Qt::LeftToRight);
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
    }
};

void setBackground(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QWidget* createControl(const ControlEntry& entry, QWidget* container) {
    const QString text = toQString(entry.text);
    switch (entry.kind) {
    case ControlKind::Label: {
        auto* label = new DrawingLayerLabel(text, container);
        // Its text is part of the picture: clicks go to the picture, as on any drawing.
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        if (std::string_view(entry.name) == "labKlepnete")
            label->setAlignment(Qt::AlignCenter);
        else
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::PushButton: {
        auto* button = new QPushButton(text, container);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::ScrollBar: {
        auto* bar = new QScrollBar(Qt::Horizontal, container);
        bar->setRange(1, 10000);
        bar->setValue(1);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        bar->setTracking(false); // one change when a drag ends
        bar->setFocusPolicy(Qt::StrongFocus);
        return bar;
    }
    case ControlKind::Frame:
        return new Frame(text, container);
    case ControlKind::OptionButton:
        return new OptionButton(text, container);
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(text, container);
        box->setChecked(true);
        return box;
    }
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(text, container);
        switch (entry.textBox) {
        case TextBoxRole::Editable:
            box->setAlignment(Qt::AlignCenter);
            break;
        case TextBoxRole::Display: {
            // No frame: "Yes" in bold needs all of the 25 pixels, and the value reads as a
            // caption on the grey window.
            box->setFrame(false);
            box->setTextMargins(0, 0, 0, 0);
            box->setAlignment(Qt::AlignCenter);
            box->setEnabled(false);
            QPalette palette = box->palette();
            palette.setColor(QPalette::Disabled, QPalette::Text, Qt::black);
            box->setPalette(palette);
            break;
        }
        case TextBoxRole::Caption:
            box->setReadOnly(true);
            box->setFrame(false);
            box->setFocusPolicy(Qt::NoFocus);
            box->setTextMargins(0, 0, 0, 0);
            break;
        case TextBoxRole::Hidden:
        case TextBoxRole::None:
            break;
        }
        if (entry.textBox != TextBoxRole::Editable) {
            QPalette palette = box->palette();
            palette.setColor(QPalette::Base, entry.background);
            box->setPalette(palette);
        }
        return box;
    }
    }
    return nullptr;
}

} // namespace

void prepareApplication() {
    // The classic Windows style follows the metrics the layout was made for: a frame's title
    // sits on the frame's top line, the indicators of option buttons and the check box are
    // 13 pixels, and every caption fits its control. Fusion sets the title above a lower
    // line, which then runs through the first row of option buttons.
    if (QStyle* style = QStyleFactory::create("Windows"))
        QApplication::setStyle(style);
}

frmRavo::frmRavo(QWidget* parent) : QWidget(parent) {
    setObjectName("frmRavo");
    setWindowTitle("Ravo - https://ravo.example.org");
    setWindowIcon(programIcon());
    setFont(fontFor(FontRole::Default));
    setPalette(designPalette());
    setAutoFillBackground(true);
    // The controls stand where the layout puts them, also under a right-to-left language.
    setLayoutDirection(Qt::LeftToRight);

    canvas_ = new DrawingCanvas(this);
    canvas_->lower();
    buildControls();
    settings_ = std::make_unique<SimulationSettings>(*this);
    surface_ = std::make_unique<QtDrawingSurface>(*this, *canvas_);
    setTabOrderFromTable();
    connectHandlers();
    connectExtras();
    setMinimumSize(DesignPlacement::minimumClient());
    resize(startSize());
    placeDesign();
    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(fullScreen, &QShortcut::activated, this, &frmRavo::toggleFullScreen);
    if (auto* start = findChild<QPushButton*>("cmdStart"))
        start->setFocus();
    Form_Load();
    refreshHelp();
}

frmRavo::~frmRavo() = default;

void frmRavo::buildControls() {
    std::map<std::string, QWidget*> containers;
    for (const ControlEntry& entry : controlTable()) {
        QWidget* container = entry.container ? containers.at(entry.container) : this;
        QWidget* control = createControl(entry, container);
        control->setObjectName(toQString(entry.name));
        control->setGeometry(entry.geometry);
        if (entry.font != FontRole::Default)
            control->setFont(fontFor(entry.font));
        if (entry.kind != ControlKind::Label && entry.kind != ControlKind::TextBox)
            setBackground(*control, entry.background);
        control->setVisible(entry.shownAtStart);
        if (entry.kind == ControlKind::Frame)
            containers[entry.name] = control;
        if (entry.kind == ControlKind::ScrollBar)
            scrollBar_ = static_cast<QScrollBar*>(control);
        if (auto* label = qobject_cast<QLabel*>(control))
            canvas_->paintIntoPicture(*label);
    }
}

void frmRavo::setTabOrderFromTable() {
    std::vector<const ControlEntry*> order;
    for (const ControlEntry& entry : controlTable())
        order.push_back(&entry);
    std::sort(order.begin(), order.end(), [](const ControlEntry* a, const ControlEntry* b) {
        return a->tabIndex < b->tabIndex;
    });
    QWidget* previous = nullptr;
    for (const ControlEntry* entry : order) {
        auto* widget = findChild<QWidget*>(toQString(entry->name));
        if (!widget || widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
}

void frmRavo::connectHandlers() {
    using Handler = void (frmRavo::*)();
    const std::pair<const char*, Handler> clicks[] = {
        {"opVelký", &frmRavo::opVelký_Click},
        {"opStřední", &frmRavo::opStřední_Click},
        {"opMalý", &frmRavo::opMalý_Click},
        {"opIndexVelký", &frmRavo::opIndexVelký_Click},
        {"opIndexStřední", &frmRavo::opIndexStřední_Click},
        {"opIndexMalý", &frmRavo::opIndexMalý_Click},
        {"chDisperze", &frmRavo::chDisperze_Click},
        {"opČervený", &frmRavo::opČervený_Click},
        {"OpZelená", &frmRavo::OpZelená_Click},
        {"opModrý", &frmRavo::opModrý_Click},
        {"opClonaŠiroká", &frmRavo::opClonaŠiroká_Click},
        {"opClonaUy39", &frmRavo::opClonaUy39_Click},
        {"opClonaUzka", &frmRavo::opClonaUzka_Click},
        {"opPůlAno", &frmRavo::opPůlAno_Click},
        {"opPůlNe", &frmRavo::opPůlNe_Click},
        {"opPruhy", &frmRavo::opPruhy_Click},
        {"opBody", &frmRavo::opBody_Click},
        {"opRychlá", &frmRavo::opRychlá_Click},
        {"opPomalejší", &frmRavo::opPomalejší_Click},
        {"opPomalá", &frmRavo::opPomalá_Click},
        {"cmdStart", &frmRavo::cmdStart_Click},
        {"cmdKonec", &frmRavo::cmdKonec_Click},
    };
    for (const auto& [name, handler] : clicks)
        connect(findChild<QAbstractButton*>(toQString(name)), &QAbstractButton::clicked, this,
                handler);
    connect(scrollBar_, &QScrollBar::valueChanged, this, &frmRavo::HScroll1_Change);
    connect(findChild<QLineEdit*>(toQString("nKmitočet")), &QLineEdit::textChanged, this,
            &frmRavo::holdFrequency);
    for (auto* button : findChildren<QAbstractButton*>())
        if (button->isCheckable())
            connect(button, &QAbstractButton::toggled, this, &frmRavo::holdCheckMarks);
}

// What the window offers beyond its controls: copying the picture, Ctrl+Q, the readout of
// the marks, and help texts that follow the settings.
void frmRavo::connectExtras() {
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, &frmRavo::copyPicture);
    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(quit, &QShortcut::activated, this, [this] {
        if (takesInput())
            cmdKonec_Click();
    });
    canvas_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(canvas_, &QWidget::customContextMenuRequested, this,
            [this](QPoint point) { showPictureMenu(canvas_->mapToGlobal(point)); });
    canvas_->installEventFilter(this);
    canvas_->setAccessibleName("Picture");
    for (Setting setting : allSettings) {
        auto* box = findChild<QLineEdit*>(toQString(settingName(setting)));
        connect(box, &QLineEdit::textChanged, this, &frmRavo::refreshHelp);
    }
}

void frmRavo::refreshHelp() {
    for (const ControlHelp& help : controlHelp()) {
        auto* control = findChild<QWidget*>(toQString(help.control));
        if (!control)
            continue;
        const QString text = help.text(*settings_);
        control->setToolTip(text);
        control->setAccessibleName(toQString(help.accessibleName));
        control->setAccessibleDescription(text);
    }
}

// The picture's description names the peak of the last completed run.
void frmRavo::describePicture() {
    QString light = "Frequency " + QString::fromStdString(settings_->text(Setting::nKmitočet));
    if (runPeak_.marked) {
        light = QString::fromStdString(MarkReadout::colourName(runPeak_.colour)) + " light";
        light[0] = light[0].toUpper();
    }
    canvas_->setAccessibleDescription(light + ": highest probability " +
                                      QString::number(runPeak_.probability, 'f', 1) +
                                      " at x = " + toQString(numberText(runPeak_.detectorX)));
}

bool frmRavo::takesInput() const {
    return !running_ || surface_->held();
}

void frmRavo::copyPicture() {
    if (takesInput())
        QGuiApplication::clipboard()->setImage(grab().toImage());
}

QPointF frmRavo::designPoint(QPoint windowPoint) const {
    // The centre of the pixel, in the design's pixels at the zoom and place of the design.
    return canvas_->placement().toDesign(QPointF(windowPoint) + QPointF(0.5, 0.5));
}

void frmRavo::showPictureMenu(QPoint globalPoint) {
    QMenu menu(this);
    menu.addAction("Copy picture", this, &frmRavo::copyPicture);
    menu.exec(globalPoint);
}

// Input that a run holds back: its own keys, and while it is held, copying and the menu.
void frmRavo::runInput(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat())
            return;
        if (surface_->held() && key->matches(QKeySequence::Copy))
            copyPicture();
        else if (surface_->held() && key->keyCombination() == (Qt::CTRL | Qt::Key_Q))
            cmdKonec_Click();
        else if ((key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
            surface_->runKey(key->key());
        return;
    }
    if (event->type() == QEvent::MouseButtonPress && surface_->held()) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::RightButton)
            return;
        QPoint inWindow = mouse->position().toPoint();
        if (auto* widget = qobject_cast<QWidget*>(watched))
            inWindow = widget->mapTo(this, inWindow);
        if (childAt(inWindow) == canvas_)
            showPictureMenu(mouse->globalPosition().toPoint());
    }
}

// Resting the mouse on a mark shows its readout.
bool frmRavo::eventFilter(QObject* watched, QEvent* event) {
    if (watched != canvas_ || event->type() != QEvent::ToolTip)
        return QWidget::eventFilter(watched, event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QPointF at = designPoint(canvas_->mapTo(this, help->pos()));
    const std::string text = readout_.textAt(at.x(), at.y());
    if (text.empty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), QString::fromStdString(text), canvas_);
    }
    return true;
}

void frmRavo::erased(double left, double top, double right, double bottom) {
    readout_.erase(left, top, right, bottom);
}

void frmRavo::pointTraced(const PointReport& report) {
    if (report.marked) {
        if (runSettings_.empty())
            runSettings_ = MarkReadout::runSettingsText(*settings_, report.colour);
        readout_.add(report, runSettings_);
    }
    if (runPeak_.point == 0 || report.probability > runPeak_.probability)
        runPeak_ = report;
    surface_->pointDone(report.point == SimulationRun::detectorCount);
}

// The design size, or on a screen whose free area is smaller, the largest size that fits.
QSize frmRavo::startSize() const {
    const QScreen* shown = screen();
    if (!shown)
        return startClientSize;
    QSize room = shown->availableSize();
    if (const QWindow* handle = windowHandle()) {
        const QMargins frame = handle->frameMargins();
        room -= QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    }
    const qreal zoom = DesignPlacement::fitting(room).zoom;
    return zoom >= 1 ? startClientSize : DesignPlacement::clientAt(zoom);
}

// Once the window system has put its frame around the window, which happens only after
// the window is shown, the window is made smaller if its title bar and lower border would
// push the bottom of the design off the screen's free area. The side borders, a pixel or
// two, may stand beyond the screen's edges.
void frmRavo::fitFrameOnScreen() {
    const QScreen* shown = screen();
    const QWindow* handle = windowHandle();
    if (!fittingFrame_ || !shown || !handle || isMaximized() || isFullScreen())
        return;
    const QMargins frame = handle->frameMargins();
    if (frame.isNull())
        return;
    fittingFrame_ = false;
    const QRect room = shown->availableGeometry();
    const QSize client(room.width(), room.height() - frame.top() - frame.bottom());
    if (width() <= client.width() && height() <= client.height())
        return;
    resize(DesignPlacement::clientAt(DesignPlacement::fitting(client).zoom).boundedTo(size()));
    move(x(), std::max(room.top(), std::min(y(), room.bottom() + 1 - frameGeometry().height())));
}

void frmRavo::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    fitFrameOnScreen();
}

void frmRavo::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    fitFrameOnScreen();
}

void frmRavo::toggleFullScreen() {
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}

// Every control, font and the picture at the zoom and place of the design in the client
// area as it is now.
void frmRavo::placeDesign() {
    const DesignPlacement placement = DesignPlacement::fitting(size());
    canvas_->setGeometry(rect());
    canvas_->setPlacement(placement);
    const bool rezoomed = placement.zoom != zoom_;
    zoom_ = placement.zoom;
    if (rezoomed) {
        if (!style_ && zoom_ != 1) {
            // Until the design is first zoomed, the controls keep the application's style.
            style_ =
                std::make_unique<ZoomedStyle>(QStyleFactory::create(QApplication::style()->name()));
            setStyle(style_.get());
            for (auto* child : findChildren<QWidget*>())
                if (child != canvas_)
                    child->setStyle(style_.get());
        }
        if (style_)
            style_->setZoom(zoom_);
        setFont(fontFor(FontRole::Default, zoom_));
    }
    std::map<std::string, QRect> frames;
    for (const ControlEntry& entry : controlTable()) {
        auto* control = findChild<QWidget*>(toQString(entry.name));
        if (!control)
            continue;
        QRect designArea = entry.geometry;
        QPoint origin;
        if (entry.container) {
            const QRect& frame = frames.at(entry.container);
            designArea.translate(frame.topLeft());
            origin = placement.toWindow(frame).topLeft();
        }
        if (entry.kind == ControlKind::Frame)
            frames[entry.name] = designArea;
        control->setGeometry(placement.toWindow(designArea).translated(-origin));
        if (rezoomed && entry.font != FontRole::Default)
            control->setFont(fontFor(entry.font, zoom_));
        if (rezoomed)
            control->update();
    }
}

void frmRavo::resizeEvent(QResizeEvent* event) {
    placeDesign();
    QWidget::resizeEvent(event);
}

void frmRavo::closeEvent(QCloseEvent* event) {
    if (running_) {
        // The run unwinds at its next drawing or countdown step; the window closes then.
        surface_->requestStop();
        event->ignore();
        return;
    }
    event->accept();
}

void frmRavo::select(const char* optionButton) {
    findChild<QAbstractButton*>(toQString(optionButton))->click();
}

// During a run the settings stay as the run found them: a handler reached by other means
// than the held-back input (an accessibility action, a timer of the toolkit) writes nothing.
void frmRavo::write(Setting setting, std::string_view value) {
    if (running_)
        return;
    settings_->setText(setting, value);
}

// An option or the check box shows its setting, so a check mark changed during a run (by
// a screen reader's action, say) is put back; those selected at the start go back first,
// since the selected option of a group cannot be cleared by itself.
void frmRavo::holdCheckMarks() {
    if (!running_)
        return;
    for (bool checked : {true, false})
        for (const auto& [button, held] : heldCheckMarks_)
            if (held == checked && button->isChecked() != held)
                button->setChecked(held);
}

// The frequency box is the setting itself, so a text put into it during a run is taken out.
void frmRavo::holdFrequency() {
    if (running_ && settings_->text(Setting::nKmitočet) != heldFrequency_)
        settings_->setText(Setting::nKmitočet, heldFrequency_);
}

void frmRavo::Form_Load() {
    select("opVelký");
    select("opIndexStřední");
    select("opPůlNe");
    select("opModrý");
    write(Setting::nStart, "1");
    select("opBody");
    write(Setting::nDisperze, words::yes);
    write(Setting::nClona, "0");
    select("opClonaŠiroká");
    write(Setting::nSpomaleni, "1");
    select("opRychlá");
}

void frmRavo::opVelký_Click() {
    write(Setting::nPoloměr, "500");
}
void frmRavo::opStřední_Click() {
    write(Setting::nPoloměr, "450");
}
void frmRavo::opMalý_Click() {
    write(Setting::nPoloměr, "400");
}
void frmRavo::opIndexVelký_Click() {
    write(Setting::nIndex, "1");
}
void frmRavo::opIndexStřední_Click() {
    write(Setting::nIndex, numberText(0.98));
}
void frmRavo::opIndexMalý_Click() {
    write(Setting::nIndex, numberText(0.96));
}

void frmRavo::chDisperze_Click() {
    write(Setting::nDisperze,
          settings_->text(Setting::nDisperze) == words::yes ? words::no : words::yes);
}

void frmRavo::opČervený_Click() {
    write(Setting::nKmitočet, numberText(0.5));
}
void frmRavo::OpZelená_Click() {
    write(Setting::nKmitočet, numberText(0.75));
}
void frmRavo::opModrý_Click() {
    write(Setting::nKmitočet, "1");
}
void frmRavo::opClonaŠiroká_Click() {
    write(Setting::nClona, "0");
}
void frmRavo::opClonaUy39_Click() {
    write(Setting::nClona, "50");
}
void frmRavo::opClonaUzka_Click() {
    write(Setting::nClona, "100");
}
void frmRavo::opPůlAno_Click() {
    write(Setting::nPůlLupy, "40");
}
void frmRavo::opPůlNe_Click() {
    write(Setting::nPůlLupy, "80");
}
void frmRavo::opPruhy_Click() {
    write(Setting::nZobrazení, words::bars);
}
void frmRavo::opBody_Click() {
    write(Setting::nZobrazení, words::dots);
}
void frmRavo::opRychlá_Click() {
    write(Setting::nSpomaleni, "1");
}
void frmRavo::opPomalejší_Click() {
    write(Setting::nSpomaleni, "5000");
}
void frmRavo::opPomalá_Click() {
    write(Setting::nSpomaleni, "10000");
}

void frmRavo::HScroll1_Change() {
    if (running_) {
        const QSignalBlocker blocker(scrollBar_);
        scrollBar_->setValue(heldScrollValue_);
        return;
    }
    write(Setting::nSpomaleni, std::to_string(scrollBar_->value()));
}

void frmRavo::cmdStart_Click() {
    if (running_)
        return;
    running_ = true;
    runSettings_.clear();
    runPeak_ = {};
    surface_->beginRun();
    heldFrequency_ = settings_->text(Setting::nKmitočet);
    heldScrollValue_ = scrollBar_->value();
    heldCheckMarks_.clear();
    for (auto* button : findChildren<QAbstractButton*>())
        if (button->isCheckable())
            heldCheckMarks_.emplace_back(button, button->isChecked());
    {
        RunInputGuard guard(*this,
                            [this](QObject* watched, QEvent* event) { runInput(watched, event); });
        try {
            SimulationRun run(*settings_, *surface_);
            run.setListener(this);
            lastOutcome_ = run.perform();
        } catch (const RunStopped&) {
            lastOutcome_ = {};
        }
        surface_->settle();
    }
    running_ = false;
    if (lastOutcome_.completed)
        describePicture();
    if (surface_->stopRequested())
        close();
}

void frmRavo::cmdKonec_Click() {
    close();
}

} // namespace ravo

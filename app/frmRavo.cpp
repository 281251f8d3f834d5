// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmRavo.h"

#include "ControlHelp.h"
#include "ControlTable.h"
#include "KeysHelp.h"
#include "Languages.h"
#include "MarkTable.h"
#include "NumberText.h"
#include "PointView.h"
#include "ProgramIcon.h"
#include "QtText.h"
#include "RunBoxes.h"
#include "RunInputGuard.h"
#include "ZoomedStyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
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
#include <limits>
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
// For a projector the same, white with black text and dark frame lines.
QPalette windowPalette(bool projector) {
    const std::unique_ptr<QStyle> windows(QStyleFactory::create("Windows"));
    QPalette palette = windows ? windows->standardPalette() : QPalette(Qt::black, Qt::lightGray);
    const QColor ground = projector ? Palette::projector().ground : Palette::design().ground;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, ground);
        palette.setColor(group, QPalette::Button, ground);
        if (projector) {
            palette.setColor(group, QPalette::WindowText, Qt::black);
            palette.setColor(group, QPalette::ButtonText, Qt::black);
            palette.setColor(group, QPalette::Text, Qt::black);
            palette.setColor(group, QPalette::Base, Qt::white);
            palette.setColor(group, QPalette::Dark, QColor(64, 64, 64));
            palette.setColor(group, QPalette::Shadow, Qt::black);
        }
    }
    palette.setColor(QPalette::Disabled, QPalette::Base, ground);
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

// A control's own colours over the window's: its face, or for a text box its base; the
// grey of the design stands for the ground of the window's colours.
QPalette controlPalette(const ControlEntry& entry, const QPalette& window, bool projector) {
    QColor own = entry.background;
    if (projector && own == Palette::design().ground)
        own = Palette::projector().ground;
    QPalette palette = window;
    if (entry.kind == ControlKind::TextBox) {
        if (entry.textBox == TextBoxRole::Display)
            palette.setColor(QPalette::Disabled, QPalette::Text, Qt::black);
        if (entry.textBox != TextBoxRole::Editable)
            palette.setColor(QPalette::Base, own);
    } else if (entry.kind != ControlKind::Label) {
        palette.setColor(QPalette::Window, own);
        palette.setColor(QPalette::Button, own);
    }
    return palette;
}

// A control's caption in the program's language.
QString captionFor(const ControlEntry& entry) {
    return QCoreApplication::translate("ControlTable", entry.text.source, entry.text.comment);
}

QWidget* createControl(const ControlEntry& entry, QWidget* container) {
    const QString text = captionFor(entry);
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

frmRavo::frmRavo(QWidget* parent, Languages* languages) : QWidget(parent) {
    if (!languages) {
        ownLanguages_ = std::make_unique<Languages>();
        ownLanguages_->use(Languages::fromDesktop());
        languages = ownLanguages_.get();
    }
    languages_ = languages;
    locale_ = languages_->locale();
    setObjectName("frmRavo");
    setWindowTitle("Ravo - https://ravo.example.org");
    setWindowIcon(programIcon());
    setFont(fontFor(FontRole::Default));
    setPalette(windowPalette(false));
    setAutoFillBackground(true);
    // The controls stand where the layout puts them, also under a right-to-left language.
    setLayoutDirection(Qt::LeftToRight);

    caption_ = windowTitle();
    canvas_ = new DrawingCanvas(this);
    canvas_->lower();
    surface_ = std::make_unique<QtDrawingSurface>(*canvas_);
    surface_->setShowControl([this](std::string_view name) { showControl(name); });
    buildControls();
    settings_ = std::make_unique<SimulationSettings>(*this);
    setTabOrderFromTable();
    connectExtras();
    advanceTimer_.setSingleShot(true);
    advanceTimer_.setTimerType(Qt::PreciseTimer);
    connect(&advanceTimer_, &QTimer::timeout, this, &frmRavo::advanceRun);
    canvas_->setRedraw([this] { redrawPicture(); });
    setMinimumSize(DesignPlacement::minimumClient());
    startResize(startSize());
    placeDesign();
    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(fullScreen, &QShortcut::activated, this, &frmRavo::toggleFullScreen);
    if (auto* start = findChild<QPushButton*>("cmdStart"))
        start->setFocus();
    Form_Load();
    refreshHelp();
}

frmRavo::~frmRavo() {
    advanceTimer_.stop();
    box_.reset();
    driver_.reset();
    run_.reset();
    guard_.reset();
    canvas_->setRedraw({});
}

namespace {

// The text a control shows.
QString captionOf(const QWidget& control) {
    if (auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(&control))
        return frame->title();
    if (auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    if (auto* box = qobject_cast<const QLineEdit*>(&control))
        return box->text();
    return {};
}

} // namespace

// The widest text a control shows: its caption, or for a display of a setting, the widest
// value it shows.
QString frmRavo::widestText(const ControlEntry& entry, const QWidget& control) const {
    if (entry.textBox == TextBoxRole::Editable)
        return QStringLiteral("0.75");
    if (entry.textBox == TextBoxRole::Display) {
        const QString yes = tr("Yes", "the dispersion display, 25 pixels");
        const QString no = tr("No", "the dispersion display, 25 pixels");
        return QFontMetrics(control.font()).horizontalAdvance(yes) >=
                       QFontMetrics(control.font()).horizontalAdvance(no)
                   ? yes
                   : no;
    }
    return captionOf(control);
}

// The width a text box leaves its text: its own less the margins the box keeps at either
// side, which do not shrink with the zoom, and its frame; other controls are fitted by the
// proportions of their design.
qreal frmRavo::textRoom(const ControlEntry& entry, const QWidget& control) const {
    const auto* box = qobject_cast<const QLineEdit*>(&control);
    if (entry.kind != ControlKind::TextBox || !box)
        return std::numeric_limits<qreal>::max();
    const int frame = box->hasFrame() ? 2 * control.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    return control.width() - 4 - frame;
}

// A role's font at a zoom, in the size that keeps the text within the zoomed width it has at
// the design size: fonts do not shrink in proportion to their size, so a straight multiple
// can run past its control at a zoom below 1.
QFont frmRavo::fittedFont(FontRole role, qreal zoom, const QString& text, qreal width) {
    QFont font = fontFor(role, zoom);
    if (zoom == 1 || text.isEmpty())
        return font;
    const qreal room =
        std::min(QFontMetricsF(fontFor(role)).horizontalAdvance(text) * zoom, width);
    while (font.pixelSize() > 1 && QFontMetricsF(font).horizontalAdvance(text) > room + 0.5)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

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
            control->setAutoFillBackground(true);
        control->setVisible(entry.shownAtStart);
        if (entry.kind == ControlKind::Frame)
            containers[entry.name] = control;
        if (entry.kind == ControlKind::ScrollBar) {
            scrollBar_ = static_cast<QScrollBar*>(control);
            connect(scrollBar_, &QScrollBar::valueChanged, this, entry.handler);
        } else if (entry.handler) {
            connect(static_cast<QAbstractButton*>(control), &QAbstractButton::clicked, this,
                    entry.handler);
        }
    }
    colourControls();
    paintLabels();
}

// The colours of the window and of every control: the design's, or the projector's.
void frmRavo::colourControls() {
    const QPalette window = windowPalette(projector_);
    setPalette(window);
    for (const ControlEntry& entry : controlTable())
        if (auto* control = findChild<QWidget*>(toQString(entry.name)))
            control->setPalette(controlPalette(entry, window, projector_));
}

// The two labels lie in the drawing layer: their texts are part of the picture, written at
// their design places in their design fonts.
void frmRavo::paintLabels() {
    for (const ControlEntry& entry : controlTable()) {
        if (entry.kind != ControlKind::Label)
            continue;
        const auto* label = findChild<QLabel*>(toQString(entry.name));
        canvas_->paintText(entry.geometry, fontFor(entry.font), label->alignment(), label->text(),
                           label->palette().color(QPalette::WindowText));
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

// What the window offers beyond its controls: copying the picture, Ctrl+Q, the readout of
// the marks, and help texts that follow the settings.
void frmRavo::connectExtras() {
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, &frmRavo::copyPicture);
    auto* copyData = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this);
    connect(copyData, &QShortcut::activated, this, &frmRavo::copyData);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &frmRavo::showKeysHelp);
    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(quit, &QShortcut::activated, this, [this] {
        if (takesInput())
            cmdKonec_Click();
    });
    canvas_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(canvas_, &QWidget::customContextMenuRequested, this,
            [this](QPoint point) { showPictureMenu(canvas_->mapToGlobal(point)); });
    canvas_->installEventFilter(this);
    canvas_->setAccessibleName(tr("Picture"));
    // Where a held or stopped run stands, over the prompt's band, which a run leaves grey.
    statusBand_ = new QLabel(this);
    statusBand_->setObjectName("statusBand");
    statusBand_->setAlignment(Qt::AlignCenter);
    statusBand_->setAttribute(Qt::WA_TransparentForMouseEvents);
    statusBand_->setAutoFillBackground(true);
    statusBand_->hide();
    connect(findChild<QLineEdit*>(toQString("nKmitočet")), &QLineEdit::textChanged, this,
            &frmRavo::holdFrequency);
    for (auto* button : findChildren<QAbstractButton*>())
        if (button->isCheckable())
            connect(button, &QAbstractButton::toggled, this, &frmRavo::holdCheckMarks);
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
        const QString text = help.textFor(*settings_);
        control->setToolTip(text);
        control->setAccessibleName(help.name());
        control->setAccessibleDescription(text);
    }
}

// The picture's description names the peak of the last completed run.
void frmRavo::describePicture() {
    if (history_.empty())
        return;
    const RunRecord& run = history_.runs().back();
    const PointRecord* peak = nullptr;
    for (const PointRecord& point : run.points)
        if (!peak || point.result.probability > peak->result.probability)
            peak = &point;
    if (!peak)
        return;
    const QString p = QString::number(peak->result.probability, 'f', 1);
    const QString x = toQString(numberText(peak->result.x));
    QString text =
        tr("Frequency %1: highest probability %2 at x = %3")
            .arg(toQString(run.settings.text(Setting::nKmitočet)), p, x);
    if (run.marked(*peak)) {
        switch (peak->result.mark->light) {
        case Light::Red:
            text = tr("Red light: highest probability %1 at x = %2").arg(p, x);
            break;
        case Light::Green:
            text = tr("Green light: highest probability %1 at x = %2").arg(p, x);
            break;
        case Light::Blue:
            text = tr("Blue light: highest probability %1 at x = %2").arg(p, x);
            break;
        }
    }
    canvas_->setAccessibleDescription(text);
}

bool frmRavo::takesInput() const {
    return !running() || control_.state() == RunState::Held;
}

// The design's area as shown, without the grey beside it in a wider or taller window.
void frmRavo::copyPicture() {
    if (takesInput())
        QGuiApplication::clipboard()->setImage(grab(canvas_->placement().designArea()).toImage());
}

// Every mark shown, as a table for a spreadsheet; says what it copied.
void frmRavo::copyData() {
    if (!takesInput())
        return;
    int rows = 0;
    const QString table = MarkTable::marks(history_, locale_, &rows);
    auto* data = new QMimeData;
    data->setText(table);
    data->setData("text/tab-separated-values", table.toUtf8());
    QGuiApplication::clipboard()->setMimeData(data);
    notice(rows == 0 ? tr("No marks are shown: only the column names were copied.")
                     : tr("Copied %n mark(s) as a table.", nullptr, rows));
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

QFont frmRavo::zoomedFont() const {
    return fontFor(FontRole::Default, std::max<qreal>(zoom_, 1));
}

// A menu or box of the window at the window's zoom (never below the design's size): its
// text and the style's sizes of its parts.
void frmRavo::zoomWith(QWidget& widget) const {
    widget.setFont(zoomedFont());
    if (style_ && zoom_ > 1)
        widget.setStyle(style_.get());
}

void frmRavo::showPictureMenu(QPoint globalPoint) {
    QMenu menu(this);
    zoomWith(menu);
    menu.addAction(tr("Copy picture"), QKeySequence::Copy, this, &frmRavo::copyPicture);
    menu.addAction(tr("Copy data"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this,
                   &frmRavo::copyData);
    menu.addSeparator();
    QAction* projector = menu.addAction(tr("Projector colours"));
    projector->setCheckable(true);
    projector->setChecked(projector_);
    connect(projector, &QAction::toggled, this, &frmRavo::setProjectorColours);
    QMenu* pace = menu.addMenu(tr("Pace"));
    zoomWith(*pace);
    const std::pair<const char*, int> paces[] = {{QT_TR_NOOP("Fast"), 1},
                                                 {QT_TR_NOOP("Slower"), 5000},
                                                 {QT_TR_NOOP("Slow"), 10000}};
    for (const auto& [name, value] : paces) {
        QAction* choice = pace->addAction(tr(name));
        choice->setCheckable(true);
        choice->setChecked(scrollBar_->value() == value);
        choice->setEnabled(!running());
        connect(choice, &QAction::triggered, this, [this, value = value] { setPace(value); });
    }
    addLanguageMenu(menu);
    menu.addSeparator();
    menu.addAction(tr("Keys and mouse"), QKeySequence(Qt::Key_F1), this, &frmRavo::showKeysHelp);
    menu.exec(globalPoint);
}

QString frmRavo::refusalText() const {
    if (locale_.decimalPoint() == QStringLiteral(","))
        return tr("The frequency must be a number with a decimal point, not a comma, such as "
                  "0.5 (red), 0.75 (green) or 1 (blue).");
    return tr("The frequency must be a number, such as 0.5 (red), 0.75 (green) or 1 (blue).");
}

// English and each translation, in its own name; the current one checked.
void frmRavo::addLanguageMenu(QMenu& menu) {
    QMenu* languages = menu.addMenu(tr("Language"));
    zoomWith(*languages);
    for (const Language& language : Languages::all()) {
        QAction* choice = languages->addAction(QString::fromUtf8(language.name));
        choice->setCheckable(true);
        choice->setChecked(languages_->current() == QLatin1String(language.code));
        const QString code = QString::fromLatin1(language.code);
        connect(choice, &QAction::triggered, this, [this, code] { setLanguage(code); });
    }
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
    if (!settings_)
        return;
    locale_ = languages_->locale();
    for (const ControlEntry& entry : controlTable()) {
        QWidget* control = findChild<QWidget*>(toQString(entry.name));
        if (!control)
            continue;
        const QString caption = captionFor(entry);
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setText(caption);
        else if (auto* frame = qobject_cast<QGroupBox*>(control))
            frame->setTitle(caption);
        else if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(caption);
        else if (entry.textBox == TextBoxRole::Caption)
            static_cast<QLineEdit*>(control)->setText(caption);
    }
    settings_->showWords();
    canvas_->setAccessibleName(tr("Picture"));
    refreshHelp();
    describePicture();
    if (inspector_)
        inspector_->setLocale(locale_);
    if (showingHeld_)
        setWindowTitle(tr("%1 (paused)").arg(caption_));
    showRunState();
    placeDesign(true);
    canvas_->renew(true);
}

// As a drag of the scroll bar would: one change, at its end.
void frmRavo::setPace(int slowDown) {
    if (!running())
        scrollBar_->setValue(slowDown);
}

PointView* frmRavo::inspector() const {
    return inspector_.data();
}

KeysHelp* frmRavo::keysHelp() const {
    return keysHelp_.data();
}

void frmRavo::showKeysHelp() {
    if (!keysHelp_)
        keysHelp_ = new KeysHelp(this);
    keysHelp_->setZoom(std::max<qreal>(zoom_, 1));
    keysHelp_->show();
    keysHelp_->raise();
    keysHelp_->activateWindow();
}

// The opened window looks inside the detector point of the mark, of whichever run drew it.
bool frmRavo::inspectAt(QPointF designPoint) {
    const auto mark = readout_.markAt(designPoint.x(), designPoint.y());
    if (!mark)
        return false;
    if (!inspector_) {
        inspector_ = new PointView(this, history_);
        inspector_->setColours(canvas_->colours());
        inspector_->setLocale(locale_);
        // Beside the main window where the screen has room, else over its right side.
        const QRect main = frameGeometry();
        const QRect room = screen() ? screen()->availableGeometry() : main;
        const QSize size =
            (PointView::design * std::max<qreal>(zoom_, 1)).boundedTo(room.size() * 0.9);
        inspector_->resize(size);
        int x = main.right() + 8;
        if (x + size.width() > room.right())
            x = main.left() - 8 - size.width();
        if (x < room.left())
            x = room.right() - size.width();
        inspector_->move(x, std::clamp(main.top(), room.top(), room.bottom() - size.height()));
    }
    inspector_->inspect(mark->first, mark->second);
    inspector_->show();
    inspector_->raise();
    inspector_->activateWindow();
    return true;
}

void frmRavo::setProjectorColours(bool on) {
    if (on == projector_)
        return;
    projector_ = on;
    colourControls();
    canvas_->setColours(on ? Palette::projector() : Palette::design());
    canvas_->renew(true);
    if (inspector_)
        inspector_->setColours(canvas_->colours());
    update();
}

// Input that a run holds back: its own keys, and while it is held, copying and the menu.
void frmRavo::runInput(QObject* watched, QEvent* event) {
    const bool held = control_.state() == RunState::Held;
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat())
            return;
        if (held && key->keyCombination() == (Qt::CTRL | Qt::SHIFT | Qt::Key_C)) {
            copyData();
        } else if (held && key->key() == Qt::Key_F1) {
            showKeysHelp();
        } else if (held && key->matches(QKeySequence::Copy)) {
            copyPicture();
        } else if (held && key->keyCombination() == (Qt::CTRL | Qt::Key_Q)) {
            cmdKonec_Click();
        } else if ((key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            bool changed = false;
            switch (key->key()) {
            case Qt::Key_Space:
                changed = control_.toggleHold();
                break;
            case Qt::Key_Right:
            case Qt::Key_PageDown:
                changed = control_.step();
                break;
            case Qt::Key_Escape:
                changed = control_.stop();
                break;
            default:
                break;
            }
            if (changed) {
                showRunState();
                advanceSoon();
            }
        }
        return;
    }
    if (event->type() == QEvent::MouseButtonPress && held) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::RightButton || watched != canvas_)
            return;
        QPoint inWindow = mouse->position().toPoint();
        if (auto* widget = qobject_cast<QWidget*>(watched))
            inWindow = widget->mapTo(this, inWindow);
        if (childAt(inWindow) == canvas_)
            showPictureMenu(mouse->globalPosition().toPoint());
    }
}

// While a run is held, the mouse may move over the picture, so that resting on a mark
// shows its readout; nothing else of it reaches the window.
bool frmRavo::hoverWhileHeld(QObject* watched, QEvent* event) const {
    if (control_.state() != RunState::Held ||
        (watched != canvas_ && watched != static_cast<QObject*>(windowHandle())))
        return false;
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    switch (event->type()) {
    case QEvent::MouseMove:
        return mouse->buttons() == Qt::NoButton;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        // A click on a mark opens its inspector; nothing else of a click reaches the window.
        if (mouse->button() != Qt::LeftButton)
            return false;
        if (watched == canvas_)
            return true;
        return childAt(mouse->position().toPoint()) == canvas_;
    default:
        return false;
    }
}

// Resting the mouse on a mark shows its readout.
bool frmRavo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == canvas_ && event->type() == QEvent::MouseButtonPress && takesInput()) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            inspectAt(designPoint(canvas_->mapTo(this, mouse->position().toPoint()))))
            return true;
    }
    if (watched != canvas_ || event->type() != QEvent::ToolTip)
        return QWidget::eventFilter(watched, event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QPointF at = designPoint(canvas_->mapTo(this, help->pos()));
    const QString text = readout_.textAt(at.x(), at.y());
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), text, canvas_);
    }
    return true;
}

void frmRavo::showControl(std::string_view name) {
    if (QWidget* control = findChild<QWidget*>(toQString(name))) {
        control->show();
        control->raise();
    }
}

QWidget* frmRavo::openBox() const {
    return box_ ? box_->box() : nullptr;
}

void frmRavo::redrawPicture() {
    paintLabels();
    const int penWidth = surface_->penWidth();
    surface_->SetPenWidth(1);
    history_.replay(*surface_);
    surface_->SetPenWidth(penWidth);
    surface_->endPainting();
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
    startResize(DesignPlacement::clientAt(DesignPlacement::fitting(client).zoom).boundedTo(size()));
    move(x(), std::max(room.top(), std::min(y(), room.bottom() + 1 - frameGeometry().height())));
}

void frmRavo::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Sized for the screen it was made on, the window may be shown on another, of another
    // size or scale: until the user sizes it, it takes the start size of the screen it is on.
    if (QWindow* handle = windowHandle(); handle && !screenWatched_) {
        screenWatched_ = true;
        connect(handle, &QWindow::screenChanged, this, [this] {
            if (!userSized_ && !isMaximized() && !isFullScreen() && screen() != sizedFor_)
                startResize(startSize());
        });
    }
    if (!userSized_ && !isMaximized() && !isFullScreen() && screen() != sizedFor_)
        startResize(startSize());
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
void frmRavo::placeDesign(bool refit) {
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
        // Tooltips, the readout and the help grow with the window (never below the design).
        QToolTip::setFont(zoomedFont());
        if (keysHelp_)
            keysHelp_->setZoom(std::max<qreal>(zoom_, 1));
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
        if (rezoomed || refit)
            control->setFont(fittedFont(entry.font, zoom_, widestText(entry, *control),
                                        textRoom(entry, *control)));
        if (rezoomed)
            control->update();
    }
    if (statusBand_->isVisible())
        placeStatusBand();
}

void frmRavo::startResize(QSize size) {
    requestedSize_ = size;
    sizedFor_ = screen();
    resize(size);
}

void frmRavo::resizeEvent(QResizeEvent* event) {
    if (event->spontaneous() && event->size() != requestedSize_ && isVisible())
        userSized_ = true;
    placeDesign();
    QWidget::resizeEvent(event);
}

// Closing ends a run where it stands, a question unanswered, and the window closes at once.
void frmRavo::closeEvent(QCloseEvent* event) {
    closing_ = true;
    if (running()) {
        control_.stop();
        box_.reset();
        endRun();
    }
    event->accept();
}

void frmRavo::select(const char* optionButton) {
    findChild<QAbstractButton*>(toQString(optionButton))->click();
}

// During a run the settings stay as the run found them: a handler reached by other means
// than the held-back input (an accessibility action, a timer of the toolkit) writes nothing.
void frmRavo::write(Setting setting, std::string_view value) {
    if (running())
        return;
    settings_->setText(setting, value);
}

// An option or the check box shows its setting, so a check mark changed during a run (by
// a screen reader's action, say) is put back; those selected at the start go back first,
// since the selected option of a group cannot be cleared by itself.
void frmRavo::holdCheckMarks() {
    if (!running())
        return;
    for (bool checked : {true, false})
        for (const auto& [button, held] : heldCheckMarks_)
            if (held == checked && button->isChecked() != held)
                button->setChecked(held);
}

// The frequency box is the setting itself, so a text put into it during a run is taken out.
void frmRavo::holdFrequency() {
    if (running() && settings_->text(Setting::nKmitočet) != heldFrequency_)
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
    if (running()) {
        const QSignalBlocker blocker(scrollBar_);
        scrollBar_->setValue(heldScrollValue_);
        return;
    }
    write(Setting::nSpomaleni, std::to_string(scrollBar_->value()));
}

// A run begins: its record opens with the settings as they are, the window holds back
// input, and the event loop advances the run from here on.
void frmRavo::cmdStart_Click() {
    if (running())
        return;
    stoppedShown_ = false;
    heldFrequency_ = settings_->text(Setting::nKmitočet);
    heldScrollValue_ = scrollBar_->value();
    heldCheckMarks_.clear();
    for (auto* button : findChildren<QAbstractButton*>())
        if (button->isCheckable())
            heldCheckMarks_.emplace_back(button, button->isChecked());
    RunRecord started;
    started.settings = RecordedSettings(*settings_);
    RunRecord& record = history_.add(std::move(started));
    run_ = std::make_unique<SimulationRun>(*settings_, *surface_, &record);
    driver_ = std::make_unique<RunDriver>(control_, *run_);
    guard_ = std::make_unique<RunInputGuard>(
        *this, [this](QObject* watched, QEvent* event) { runInput(watched, event); },
        [this](QObject* watched, QEvent* event) { return hoverWhileHeld(watched, event); });
    advanceRun();
}

void frmRavo::advanceSoon() {
    if (driver_ && !driver_->waitingForAnswer())
        advanceTimer_.start(0);
}

// A pause is left to the event loop until shortly before its end, which the driver then
// waits out itself. The timer is set early by how late the event loop has lately woken, so
// that a busy machine does not stretch the pause.
void frmRavo::waitUntil(RunDriver::Clock::time_point until) {
    using namespace std::chrono;
    const auto early = RunDriver::sleepLimit / 2 + wakeLateness_;
    const auto remaining = duration_cast<milliseconds>(until - early - RunDriver::Clock::now());
    timerDue_ = RunDriver::Clock::now() + remaining;
    advanceTimer_.start(std::max(remaining, milliseconds(0)));
}

void frmRavo::advanceRun() {
    if (!driver_)
        return;
    if (timerDue_ != RunDriver::Clock::time_point{}) {
        using namespace std::chrono;
        const auto late = std::clamp<RunDriver::Clock::duration>(
            RunDriver::Clock::now() - timerDue_, {}, milliseconds(10));
        wakeLateness_ = late > wakeLateness_ ? late : (wakeLateness_ * 7 + late) / 8;
        timerDue_ = {};
    }
    const RunDriver::Next next = driver_->advance(std::chrono::milliseconds(16));
    if (next.wait == RunDriver::Wait::Ended) {
        endRun(); // which shows the last of the picture once the run is over
        return;
    }
    surface_->present();
    switch (next.wait) {
    case RunDriver::Wait::Soon:
        advanceTimer_.start(0);
        break;
    case RunDriver::Wait::Until:
        waitUntil(next.until);
        break;
    case RunDriver::Wait::Answer:
        if (answerProvider_) {
            driver_->answer(answerProvider_(next.text));
            advanceTimer_.start(0);
        } else {
            box_ = RunBox::question(*this, "Ravo", tr("Delete probability"), tr("Yes"), tr("No"),
                                    [this](bool yes) { answerRun(yes); });
            zoomWith(*box_->box());
        }
        break;
    case RunDriver::Wait::Acknowledge:
        if (messageSink_) {
            messageSink_(next.text);
            driver_->answer(false);
            advanceTimer_.start(0);
        } else {
            box_ = RunBox::refusal(*this, "Ravo", refusalText(),
                                   [this](bool) { answerRun(false); });
            zoomWith(*box_->box());
        }
        break;
    case RunDriver::Wait::Held:
    case RunDriver::Wait::Ended:
        break;
    }
    showRunState();
}

void frmRavo::answerRun(bool yes) {
    box_.reset();
    if (!driver_)
        return;
    driver_->answer(yes);
    advanceRun();
}

// The run has ended: finished, stopped (by Escape or closing) or refused.
void frmRavo::endRun() {
    advanceTimer_.stop();
    const RunState state = control_.state();
    if (state != RunState::Finished && state != RunState::Idle)
        control_.stop();
    lastOutcome_ = run_ ? run_->outcome() : RunOutcome{};
    box_.reset();
    driver_.reset();
    run_.reset();
    guard_.reset();
    RunRecord& record = history_.last();
    if (control_.state() == RunState::Idle)
        history_.dropLast(); // refused: it drew nothing
    else if (record.progress != RunRecord::Progress::Finished)
        record.progress = RunRecord::Progress::Stopped;
    if (inspector_)
        inspector_->recheck();
    history_.forgetHidden();
    surface_->settle();
    showRunState();
    if (lastOutcome_.completed)
        describePicture();
}

// A held run says so in the window's title and by the ordinary cursor; the window's
// accessible description says where any run stands.
void frmRavo::showRunState() {
    const bool held = control_.state() == RunState::Held;
    if (held != showingHeld_) {
        showingHeld_ = held;
        setWindowTitle(held ? tr("%1 (paused)").arg(caption_) : caption_);
        if (held)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
        else
            QApplication::restoreOverrideCursor();
    }
    const QString status = runStatus();
    if (accessibleDescription() != status)
        setAccessibleDescription(status);
    // The band says where a held run stands, and after Escape where it stopped, until the
    // next Start; at other times it is not there, and the picture is as drawn.
    if (control_.state() == RunState::Stopped && !running() && !closing_)
        stoppedShown_ = true;
    const bool band = held || (stoppedShown_ && control_.state() == RunState::Stopped);
    if (band) {
        statusBand_->setText(status);
        placeStatusBand();
        statusBand_->show();
        statusBand_->raise();
    } else {
        statusBand_->hide();
    }
}

// The band x 200 to 600, y 240 to 265 at the zoom, in the prompt's font, made smaller only
// where the text would not fit.
void frmRavo::placeStatusBand() {
    const QRect area = canvas_->placement().toWindow(QRect(200, 240, 401, 26));
    statusBand_->setGeometry(area);
    QPalette palette = statusBand_->palette();
    palette.setColor(QPalette::Window, canvas_->colours().ground);
    palette.setColor(QPalette::WindowText, canvas_->colours().of(Role::Axis));
    statusBand_->setPalette(palette);
    QFont font = fontFor(FontRole::Title, zoom_);
    while (font.pixelSize() > 5 &&
           QFontMetrics(font).horizontalAdvance(statusBand_->text()) > area.width() - 4)
        font.setPixelSize(font.pixelSize() - 1);
    statusBand_->setFont(font);
}

QString frmRavo::runStatus() const {
    const int point = control_.point();
    const int of = RunControl::detectorCount;
    if (box_ || (driver_ && driver_->waitingForAnswer()))
        return tr("Waiting for an answer");
    switch (control_.state()) {
    case RunState::Idle:
        return tr("Ready");
    case RunState::Running:
        return tr("Running: point %1 of %2").arg(point).arg(of);
    case RunState::Held:
        return tr("Held at point %1 of %2 — Space: go on · →: next point · Esc: stop")
            .arg(point)
            .arg(of);
    case RunState::Stopped:
        return tr("Stopped at point %1 of %2").arg(point).arg(of);
    case RunState::Finished:
        break;
    }
    return tr("Finished: %1 of %2 points").arg(point).arg(of);
}

void frmRavo::cmdKonec_Click() {
    close();
}

} // namespace ravo

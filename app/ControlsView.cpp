// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlsView.h"

#include "DrawingCanvas.h"
#include "Fonts.h"
#include "Help.h"
#include "Palette.h"
#include "QtText.h"
#include "ZoomedStyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

#include <algorithm>
#include <cmath>
#include <map>

namespace ravo {

QFont fontAt(FontRole role, qreal zoom) {
    const TextFont face = fontFor(role);
    QFont font;
    font.setFamily(QString::fromLatin1(face.family));
    font.setPixelSize(std::max(1, int(std::lround(face.pixels * zoom))));
    font.setBold(face.bold);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

namespace {

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
                if (button->isVisibleTo(frame))
                    button->setFocusPolicy(Qt::StrongFocus);
    }
};

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
// ground of the design stands for the ground of the window's colours.
QPalette controlPalette(const ControlEntry& entry, const QPalette& window, bool projector) {
    const Colours& colours = projector ? Colours::projector() : Colours::design();
    const QColor own = toQColor(colours.face(entry.colour));
    QPalette palette = window;
    if (entry.kind == ControlKind::TextBox) {
        if (entry.textBox == TextBoxRole::Display)
            palette.setColor(QPalette::Disabled, QPalette::Text, toQColor(colours.text));
        if (entry.textBox != TextBoxRole::Editable)
            palette.setColor(QPalette::Base, own);
    } else if (entry.kind != ControlKind::Label) {
        palette.setColor(QPalette::Window, own);
        palette.setColor(QPalette::Button, own);
    }
    return palette;
}

QWidget* createControl(const ControlEntry& entry, QWidget* container) {
    switch (entry.kind) {
    case ControlKind::Label: {
        auto* label = new DrawingLayerLabel(container);
        // Its text is part of the picture: clicks go to the picture, as on any drawing.
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setAlignment(std::string_view(entry.name) == "labKlepnete"
                                ? Qt::AlignCenter
                                : Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::PushButton: {
        auto* button = new QPushButton(container);
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
        return new Frame(container);
    case ControlKind::OptionButton:
        return new OptionButton(container);
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(container);
        box->setChecked(true);
        return box;
    }
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(container);
        switch (entry.textBox) {
        case TextBoxRole::Editable:
            box->setAlignment(Qt::AlignCenter);
            break;
        case TextBoxRole::Display:
            // No frame: "Yes" in bold needs all of the 25 pixels, and the value reads as a
            // caption on the grey window.
            box->setFrame(false);
            box->setTextMargins(0, 0, 0, 0);
            box->setAlignment(Qt::AlignCenter);
            box->setEnabled(false);
            break;
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

void setCaption(QWidget& control, const QString& caption) {
    if (auto* button = qobject_cast<QAbstractButton*>(&control))
        button->setText(caption);
    else if (auto* frame = qobject_cast<QGroupBox*>(&control))
        frame->setTitle(caption);
    else if (auto* label = qobject_cast<QLabel*>(&control))
        label->setText(caption);
    else if (auto* box = qobject_cast<QLineEdit*>(&control))
        box->setText(caption);
}

} // namespace

QPalette windowPalette(bool projector) {
    const std::unique_ptr<QStyle> windows(QStyleFactory::create("Windows"));
    QPalette palette = windows ? windows->standardPalette() : QPalette(Qt::black, Qt::lightGray);
    const Colours& colours = projector ? Colours::projector() : Colours::design();
    const QColor ground = toQColor(colours.ground);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, ground);
        palette.setColor(group, QPalette::Button, ground);
        if (projector) {
            palette.setColor(group, QPalette::WindowText, toQColor(colours.text));
            palette.setColor(group, QPalette::ButtonText, toQColor(colours.text));
            palette.setColor(group, QPalette::Text, toQColor(colours.text));
            palette.setColor(group, QPalette::Base, toQColor(colours.base));
            palette.setColor(group, QPalette::Light, toQColor(colours.light));
            palette.setColor(group, QPalette::Midlight, toQColor(colours.midlight));
            palette.setColor(group, QPalette::Dark, toQColor(colours.dark));
            palette.setColor(group, QPalette::Shadow, toQColor(colours.shadow));
        }
    }
    palette.setColor(QPalette::Disabled, QPalette::Base, ground);
    // Every role of every group is marked as set, so the controls take these colours rather
    // than those a theme keeps for their kind (a dark text box, light captions).
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            palette.setBrush(group, QPalette::ColorRole(role),
                             palette.brush(group, QPalette::ColorRole(role)));
    return palette;
}

ControlsView::ControlsView(QWidget& window, Form& form, DrawingCanvas& canvas,
                           const QtTranslator& tr)
    : window_(window), form_(form), canvas_(canvas), tr_(tr) {
    build();
    setTabOrder();
    form_.settings().listen([this](Setting setting) {
        showSetting(setting);
        refreshHelp();
    });
    form_.listen([this] { showForm(); });
    retranslate();
}

ControlsView::~ControlsView() = default;

QWidget* ControlsView::control(std::string_view name) const {
    return window_.findChild<QWidget*>(toQString(name), Qt::FindChildrenRecursively);
}

void ControlsView::build() {
    std::map<std::string, QWidget*> containers;
    for (const ControlEntry& entry : controlTable()) {
        QWidget* container = entry.container ? containers.at(entry.container) : &window_;
        QWidget* control = createControl(entry, container);
        control->setObjectName(toQString(entry.name));
        const Rect& g = entry.geometry;
        control->setGeometry(g.x, g.y, g.width, g.height);
        if (entry.font != FontRole::Default)
            control->setFont(fontAt(entry.font));
        if (entry.kind != ControlKind::Label && entry.kind != ControlKind::TextBox)
            control->setAutoFillBackground(true);
        control->setVisible(entry.shownAtStart);
        // What is never shown is offered to no one: no focus, and no place in what a
        // screen reader walks through.
        const bool neverShown = !entry.shownAtStart && entry.textBox != TextBoxRole::Caption;
        const bool inHidden = entry.container && !findControl(entry.container)->shownAtStart;
        if (neverShown || inHidden)
            control->setFocusPolicy(Qt::NoFocus);
        if (entry.kind == ControlKind::Frame)
            containers[entry.name] = control;
        bind(entry, control);
    }
    frequency_ = qobject_cast<QLineEdit*>(control("nKmitočet"));
    colour(false);
    showForm();
    for (Setting setting : allSettings)
        showSetting(setting);
}

// Each control hands its use to the form, then shows the form's state: the same state
// after a use the form refused.
void ControlsView::bind(const ControlEntry& entry, QWidget* control) {
    const std::string name = entry.name;
    switch (entry.effect.kind) {
    case Effect::Kind::Write:
        if (auto* box = qobject_cast<QLineEdit*>(control)) {
            QObject::connect(box, &QLineEdit::textEdited, box, [this](const QString& text) {
                if (!form_.type(text.toStdString()))
                    showSetting(Setting::nKmitočet);
            });
            // A text put there by other means than typing (an accessibility action) is
            // the same as typed.
            QObject::connect(box, &QLineEdit::textChanged, box, [this](const QString& text) {
                if (text.toStdString() != form_.settings()[Setting::nKmitočet] &&
                    !form_.type(text.toStdString()))
                    showSetting(Setting::nKmitočet);
            });
            break;
        }
        [[fallthrough]];
    case Effect::Kind::FlipDispersion:
        QObject::connect(static_cast<QAbstractButton*>(control), &QAbstractButton::clicked,
                         control, [this, name] {
                             form_.click(name);
                             showForm();
                         });
        QObject::connect(static_cast<QAbstractButton*>(control), &QAbstractButton::toggled,
                         control, [this] {
                             if (form_.locked())
                                 showForm();
                         });
        break;
    case Effect::Kind::WriteScroll:
        scrollBar_ = static_cast<QScrollBar*>(control);
        QObject::connect(scrollBar_, &QScrollBar::valueChanged, scrollBar_, [this](int value) {
            if (!form_.scroll(value))
                showForm();
        });
        break;
    case Effect::Kind::Start:
        QObject::connect(static_cast<QAbstractButton*>(control), &QAbstractButton::clicked,
                         control, [this] {
                             if (start_)
                                 start_();
                         });
        break;
    case Effect::Kind::Exit:
        QObject::connect(static_cast<QAbstractButton*>(control), &QAbstractButton::clicked,
                         control, [this] {
                             if (exit_)
                                 exit_();
                         });
        break;
    case Effect::Kind::None:
        break;
    }
}

// The check marks and the scroll bar as the form has them; those to be checked first,
// since the checked option of a group cannot be cleared by itself.
void ControlsView::showForm() {
    for (bool checked : {true, false})
        for (const ControlEntry& entry : controlTable()) {
            if (entry.kind != ControlKind::OptionButton && entry.kind != ControlKind::CheckBox)
                continue;
            auto* button = static_cast<QAbstractButton*>(control(entry.name));
            const bool wanted = form_.checked(entry.name);
            if (wanted != checked || button->isChecked() == wanted)
                continue;
            const QSignalBlocker blocker(button);
            if (entry.kind == ControlKind::OptionButton && !wanted) {
                // An option button of a group is cleared by checking another; one of a group
                // with none selected yet is cleared with its group's exclusivity lifted.
                button->setAutoExclusive(false);
                button->setChecked(false);
                button->setAutoExclusive(true);
            } else {
                button->setChecked(wanted);
            }
        }
    if (scrollBar_ && scrollBar_->value() != form_.scrollValue()) {
        const QSignalBlocker blocker(scrollBar_);
        scrollBar_->setValue(form_.scrollValue());
    }
}

void ControlsView::showSetting(Setting setting) {
    auto* box = qobject_cast<QLineEdit*>(control(settingName(setting)));
    if (!box)
        return;
    const std::string& value = form_.settings()[setting];
    const QString shown =
        setting == Setting::nDisperze ? tr_(dispersionDisplay(value)) : toQString(value);
    if (box->text() != shown) {
        const QSignalBlocker blocker(box);
        box->setText(shown);
    }
}

void ControlsView::setTabOrder() {
    std::vector<const ControlEntry*> order;
    for (const ControlEntry& entry : controlTable())
        order.push_back(&entry);
    std::sort(order.begin(), order.end(), [](const ControlEntry* a, const ControlEntry* b) {
        return a->tabIndex < b->tabIndex;
    });
    QWidget* previous = nullptr;
    for (const ControlEntry* entry : order) {
        QWidget* widget = control(entry->name);
        if (!widget || widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void ControlsView::retranslate() {
    for (const ControlEntry& entry : controlTable()) {
        QWidget* widget = control(entry.name);
        const bool setting = entry.textBox == TextBoxRole::Editable ||
                             entry.textBox == TextBoxRole::Display ||
                             entry.textBox == TextBoxRole::Hidden;
        if (widget && !setting && entry.kind != ControlKind::ScrollBar)
            setCaption(*widget, tr_(entry.captionText()));
    }
    showSetting(Setting::nDisperze);
    refreshHelp();
}

void ControlsView::refreshHelp() {
    for (const ControlHelp& help : controlHelp()) {
        QWidget* widget = control(help.control);
        if (!widget)
            continue;
        const QString text = tr_(help.textFor(form_.settings()));
        widget->setToolTip(text);
        widget->setAccessibleName(tr_(help.name()));
        widget->setAccessibleDescription(text);
    }
}

void ControlsView::colour(bool projector) {
    projector_ = projector;
    const QPalette window = windowPalette(projector);
    window_.setPalette(window);
    for (const ControlEntry& entry : controlTable())
        if (QWidget* widget = control(entry.name))
            widget->setPalette(controlPalette(entry, window, projector));
}

void ControlsView::paintLabels() {
    for (const ControlEntry& entry : controlTable()) {
        if (entry.kind != ControlKind::Label)
            continue;
        const auto* label = static_cast<const QLabel*>(control(entry.name));
        const Rect& g = entry.geometry;
        canvas_.paintText(QRect(g.x, g.y, g.width, g.height), fontAt(entry.font),
                          label->alignment(), label->text(),
                          label->palette().color(QPalette::WindowText));
    }
}

void ControlsView::show(std::string_view name) {
    if (QWidget* widget = control(name))
        widget->show();
}

// The widest text a control shows: its caption, or for a display of a setting, the widest
// value it shows.
QString ControlsView::widestText(const ControlEntry& entry, const QWidget& control) const {
    if (entry.textBox == TextBoxRole::Editable)
        return QStringLiteral("0.75");
    if (entry.textBox == TextBoxRole::Display) {
        const QString yes = tr_(dispersionDisplay(std::string(words::yes)));
        const QString no = tr_(dispersionDisplay(std::string(words::no)));
        const QFontMetrics metrics(control.font());
        return metrics.horizontalAdvance(yes) >= metrics.horizontalAdvance(no) ? yes : no;
    }
    return captionOf(control);
}

// The width a text box leaves its text: its own less the margins the box keeps at either
// side, which do not shrink with the zoom, and its frame; other controls are fitted by the
// proportions of their design.
qreal ControlsView::textRoom(const ControlEntry& entry, const QWidget& control) {
    const auto* box = qobject_cast<const QLineEdit*>(&control);
    if (entry.kind != ControlKind::TextBox || !box)
        return std::numeric_limits<qreal>::max();
    const int frame =
        box->hasFrame() ? 2 * control.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    return control.width() - 4 - frame;
}

// A role's font at a zoom, in the size that keeps the text within the zoomed width it has at
// the design size: fonts do not shrink in proportion to their size, so a straight multiple
// can run past its control at a zoom below 1.
QFont ControlsView::fittedFont(FontRole role, qreal zoom, const QString& text, qreal width) {
    QFont font = fontAt(role, zoom);
    if (zoom == 1 || text.isEmpty())
        return font;
    const qreal room = std::min(QFontMetricsF(fontAt(role)).horizontalAdvance(text) * zoom, width);
    while (font.pixelSize() > 1 && QFontMetricsF(font).horizontalAdvance(text) > room + 0.5)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

void ControlsView::place(const DesignPlacement& placement, bool refit) {
    const bool rezoomed = placement.zoom != zoom_;
    zoom_ = placement.zoom;
    if (rezoomed) {
        if (!style_ && zoom_ != 1) {
            // Until the design is first zoomed, the controls keep the application's style.
            style_ =
                std::make_unique<ZoomedStyle>(QStyleFactory::create(QApplication::style()->name()));
            window_.setStyle(style_.get());
            for (auto* child : window_.findChildren<QWidget*>())
                if (child != &canvas_)
                    child->setStyle(style_.get());
        }
        if (style_)
            style_->setZoom(zoom_);
        window_.setFont(fontAt(FontRole::Default, zoom_));
    }
    std::map<std::string, QRect> frames;
    for (const ControlEntry& entry : controlTable()) {
        QWidget* widget = control(entry.name);
        if (!widget)
            continue;
        const Rect& g = entry.geometry;
        QRect designArea(g.x, g.y, g.width, g.height);
        QPoint origin;
        if (entry.container) {
            const QRect& frame = frames.at(entry.container);
            designArea.translate(frame.topLeft());
            origin = placement.toWindow(frame).topLeft();
        }
        if (entry.kind == ControlKind::Frame)
            frames[entry.name] = designArea;
        widget->setGeometry(placement.toWindow(designArea).translated(-origin));
        if (rezoomed || refit)
            widget->setFont(fittedFont(entry.font, zoom_, widestText(entry, *widget),
                                       textRoom(entry, *widget)));
        if (rezoomed)
            widget->update();
    }
}

} // namespace ravo

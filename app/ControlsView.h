// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Controls.h"
#include "DesignPlacement.h"
#include "Form.h"

#include <QFont>
#include <QPalette>
#include <QString>

#include <functional>
#include <limits>
#include <memory>

class QLineEdit;
class QScrollBar;
class QWidget;

namespace ravo {

class DrawingCanvas;
class QtTranslator;
class ZoomedStyle;

// A role's font at a zoom, to the nearest whole pixel.
QFont fontAt(FontRole role, qreal zoom = 1);

// The window's controls, made from the control table and bound to the form: each shows
// the form's state (the check marks, the scroll bar, the frequency and the dispersion) and
// hands every use to it. Where the form refuses a use (a run holds the settings still),
// the control shows the form's state again. Also their captions, help texts and colours,
// their places and fonts at the design's zoom, and the two labels' texts in the picture.
class ControlsView {
public:
    ControlsView(QWidget& window, Form& form, DrawingCanvas& canvas, const QtTranslator& tr);
    ~ControlsView();

    // The control of a name, as made.
    QWidget* control(std::string_view name) const;
    QScrollBar& scrollBar() const { return *scrollBar_; }

    // Told on a click of "Start" and of "Exit".
    void onStart(std::function<void()> start) { start_ = std::move(start); }
    void onExit(std::function<void()> exit) { exit_ = std::move(exit); }

    // Every caption, help text and the dispersion's word in the window's language.
    void retranslate();
    // The help texts that follow the settings.
    void refreshHelp();
    // The window's colours and every control's: the design's, or the projector's.
    void colour(bool projector);
    // Every control and font at the zoom and place of the design in a client area.
    void place(const DesignPlacement& placement, bool refit);
    // The two labels' texts, written into the picture at their places.
    void paintLabels();
    // A control shown (the caption boxes at the end of a run).
    void show(std::string_view name);
    // Shows the form's state in every control.
    void showForm();

    qreal zoom() const { return zoom_; }
    ZoomedStyle* style() const { return style_.get(); }

private:
    void build();
    void bind(const ControlEntry& entry, QWidget* control);
    void setTabOrder();
    void showSetting(Setting setting);
    QString widestText(const ControlEntry& entry, const QWidget& control) const;
    static qreal textRoom(const ControlEntry& entry, const QWidget& control);
    static QFont fittedFont(FontRole role, qreal zoom, const QString& text,
                            qreal width = std::numeric_limits<qreal>::max());

    QWidget& window_;
    Form& form_;
    DrawingCanvas& canvas_;
    const QtTranslator& tr_;
    QScrollBar* scrollBar_ = nullptr;
    QLineEdit* frequency_ = nullptr;
    std::unique_ptr<ZoomedStyle> style_;
    qreal zoom_ = 1;
    bool projector_ = false;
    std::function<void()> start_;
    std::function<void()> exit_;
};

// The window's colours whatever the desktop's theme: the classic Windows palette with the
// ground of the colours as the face of every control; for a projector, white with black
// text and dark frame lines.
QPalette windowPalette(bool projector);

} // namespace ravo

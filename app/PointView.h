// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PointDetail.h"
#include "Palette.h"
#include "RunRecord.h"

#include <QWidget>

#include <functional>
#include <optional>

namespace ravo {

class QtTranslator;

// A window that looks inside one detector point of one run (see Inspection): its Cornu
// spiral, the trip times against height and the numbers. Left/Right (Page Up/Down) move to
// the neighbouring points of the same run, Ctrl+C copies its picture, Ctrl+Shift+C its
// table of paths, Escape closes it. It reads the runs' records only.
class PointView : public QWidget {
public:
    static constexpr QSize design{int(Inspection::width), int(Inspection::height)};
    static constexpr QSize narrowDesign{int(Inspection::narrowWidth),
                                        int(Inspection::narrowHeight)};

    PointView(QWidget* owner, const RunHistory& history, const QtTranslator& tr);

    // Shows a point of a run.
    void inspect(MarkPlace place);
    std::size_t run() const { return place_.run; }
    // The detector point shown, 1 to 85.
    int point() const { return shown_ ? shown_->point : 0; }
    // Wide, or narrow (texts, spiral and plot one above the other) where the window is made
    // tall and narrow: whichever shows the point larger.
    Inspection::Layout layout() const { return layout_; }
    // Closes the window when its point's mark is no longer shown (erased by a later run).
    void recheck();
    // Its title and texts in the window's language.
    void retranslate();

    void setColours(const Palette& palette);
    // Told when Escape closes the window, with the point it showed.
    void onEscape(std::function<void(MarkPlace)> escaped) { escaped_ = std::move(escaped); }

    // The picture of the window, and its table of paths, as Ctrl+C and Ctrl+Shift+C copy
    // them.
    void copyPicture();
    void copyPaths();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void step(int by);

    const RunHistory& history_;
    const QtTranslator& tr_;
    MarkPlace place_;
    std::optional<Inspection> shown_;
    Inspection::Layout layout_ = Inspection::Layout::Wide;
    const Palette* palette_ = &Palette::design();
    std::function<void(MarkPlace)> escaped_;
};

// Draws an inspection's shapes in its design units with a painter.
void paintInspection(QPainter& painter, const Inspection& inspection, const Palette& palette,
                     const QtTranslator& tr);

} // namespace ravo

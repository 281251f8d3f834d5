// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Reading.h"
#include "RunSession.h"
#include "RunSound.h"
#include "View.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>
#include <optional>

class QKeyEvent;
class QPainter;

namespace ravo {

class DrawingCanvas;
class QtTranslator;

// The picture as a control: it takes the focus after the window's controls and shows a
// frame then; the arrow keys walk a cursor from mark to mark, telling a screen reader each
// mark's words; Return looks inside the mark, the Menu key opens the picture's menu at it,
// L listens to the run. It says what the picture shows (its description, renewed when a
// run ends), shows the view's options (marks by shape, marks hidden, the legend) and plays
// the runs as sound. What it draws (the frame, the cursor, the legend) lies over the
// picture, never in it.
class PictureView : public QObject {
public:
    struct Hooks {
        std::function<void(MarkPlace)> inspect;
        std::function<void(QPoint globalPoint)> menu;
        std::function<void(const QString&)> notice;
        std::function<void()> redraw; // the picture again from the records
    };

    PictureView(DrawingCanvas& canvas, RunSession& session, const Form& form, ViewSurface& surface,
                const QtTranslator& tr, Hooks hooks);

    const MarkCursor& cursor() const { return cursor_; }
    const ViewOptions& view() const { return surface_.options(); }
    void setView(const ViewOptions& view);

    // After the runs' records have changed (a run ended, a link opened, an erase undone):
    // the cursor, the description, the legend.
    void recordsChanged();
    // A run has ended: also said aloud.
    void runEnded();
    // The cursor on a mark, and the focus on the picture (after its inspector closes).
    void focusOn(MarkPlace place);
    // The texts again, in the window's language.
    void retranslate();

    // Listens to the run under the cursor, or the last one.
    void listen();
    bool soundAvailable() { return sound_.available(); }
    // Whether the focus frame and cursor are drawn (not in a copied picture).
    void setDecorations(bool shown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool key(const QKeyEvent& event);
    void announce(const QString& words);
    void describe();
    void paintOver(QPainter& painter);
    void paintLegend(QPainter& painter);
    void playPoint();

    DrawingCanvas& canvas_;
    RunSession& session_;
    const Form& form_;
    ViewSurface& surface_;
    const QtTranslator& tr_;
    Hooks hooks_;
    MarkCursor cursor_;
    RunSound sound_;
    bool decorations_ = true;
};

} // namespace ravo

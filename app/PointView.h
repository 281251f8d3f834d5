// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include "Palette.h"
#include "RunRecord.h"

#include <QLocale>
#include <QWidget>

#include <cstddef>
#include <functional>

namespace ravo {

// A window that looks inside one detector point of one run: its Cornu spiral, enlarged,
// with the arrows head to tail and the green resultant; the trip time of every path against
// its height at the lens, the path of least time marked, each path with the direction of
// its arrow; and the numbers. Left/Right (Page Up/Down) move to the neighbouring points of
// the same run, Ctrl+C copies its picture, Ctrl+Shift+C its table of paths, Escape closes
// it. It reads the runs' records only.
class PointView : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(PointView)

public:
    static constexpr QSize design{600, 440};

    PointView(QWidget* owner, const RunHistory& history);

    // Shows point `index` (0-based, among the points the run drew) of run `run`.
    void inspect(std::size_t run, std::size_t index);
    std::size_t run() const { return run_; }
    // The detector point shown, 1 to 85.
    int point() const;
    // Closes the window when its point's mark is no longer shown (erased by a later run).
    void recheck();

    void setColours(const Palette& palette);
    void setLocale(const QLocale& locale) { locale_ = locale; }

    // The picture of the window, and its table of paths, as Ctrl+C and Ctrl+Shift+C copy
    // them.
    void copyPicture();
    void copyPaths();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    const RunRecord& record() const { return history_.runs()[run_]; }
    const PointRecord& current() const { return record().points[index_]; }
    void step(int by);
    void retitle();

    const RunHistory& history_;
    std::size_t run_ = 0;
    std::size_t index_ = 0;
    const Palette* palette_ = &Palette::design();
    QLocale locale_;
};

} // namespace ravo

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DrawingCanvas.h"
#include "MarkReadout.h"
#include "QtDrawingSurface.h"
#include "SimulationRun.h"
#include "SimulationSettings.h"

#include <QWidget>

#include <memory>
#include <utility>
#include <vector>

class QAbstractButton;
class QScrollBar;

namespace ravo {

class ZoomedStyle;

// The program's only window: the controls that set up the experiment, and the picture on
// which a run draws. Each control event has one short handler that writes one setting;
// "Start" performs a whole run before any other input is handled.
class frmRavo : public QWidget, private RunListener {
public:
    static constexpr QSize startClientSize = DesignPlacement::design;

    explicit frmRavo(QWidget* parent = nullptr);
    ~frmRavo() override;

    SimulationSettings& settings() { return *settings_; }
    QtDrawingSurface& surface() { return *surface_; }
    DrawingCanvas& canvas() { return *canvas_; }
    bool running() const { return running_; }
    const RunOutcome& lastOutcome() const { return lastOutcome_; }
    const MarkReadout& readout() const { return readout_; }

    // Puts the window's client area as shown, controls included, on the clipboard as an
    // image at the screen's resolution. Does nothing while a run draws.
    void copyPicture();
    // The zoom of the design in the client area (1 at the design size), and a point of the
    // client area in the design's pixels, the unit of the layout and of every drawing.
    qreal zoom() const { return zoom_; }
    QPointF designPoint(QPoint windowPoint) const;

    // Full screen and back (F11).
    void toggleFullScreen();

    // Start-up: selects the default button of each group, which writes the defaults.
    void Form_Load();

    void opVelký_Click();
    void opStřední_Click();
    void opMalý_Click();
    void opIndexVelký_Click();
    void opIndexStřední_Click();
    void opIndexMalý_Click();
    void chDisperze_Click();
    void opČervený_Click();
    void OpZelená_Click();
    void opModrý_Click();
    void opClonaŠiroká_Click();
    void opClonaUy39_Click();
    void opClonaUzka_Click();
    void opPůlAno_Click();
    void opPůlNe_Click();
    void opPruhy_Click();
    void opBody_Click();
    void opRychlá_Click();
    void opPomalejší_Click();
    void opPomalá_Click();
    void HScroll1_Change();
    void cmdStart_Click();
    void cmdKonec_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    QSize startSize() const;
    void placeDesign();
    void fitFrameOnScreen();
    void buildControls();
    void connectHandlers();
    void setTabOrderFromTable();
    void select(const char* optionButton);
    void write(Setting setting, std::string_view value);
    void connectExtras();
    void refreshHelp();
    void describePicture();
    bool takesInput() const;
    void runInput(QObject* watched, QEvent* event);
    void showPictureMenu(QPoint globalPoint);
    void erased(double left, double top, double right, double bottom) override;
    void pointTraced(const PointReport& report) override;
    void holdFrequency();
    void holdCheckMarks();

    DrawingCanvas* canvas_ = nullptr;
    QScrollBar* scrollBar_ = nullptr;
    std::unique_ptr<SimulationSettings> settings_;
    std::unique_ptr<QtDrawingSurface> surface_;
    std::unique_ptr<ZoomedStyle> style_;
    qreal zoom_ = 1;
    // Until the window has a frame: whether the frame has yet to be fitted on the screen.
    bool fittingFrame_ = true;
    bool running_ = false;
    // What the frequency box, the scroll bar and the check marks showed when the run started.
    std::string heldFrequency_;
    int heldScrollValue_ = 1;
    std::vector<std::pair<QAbstractButton*, bool>> heldCheckMarks_;
    RunOutcome lastOutcome_;
    MarkReadout readout_;
    std::string runSettings_; // the settings text of the run in progress
    PointReport runPeak_;     // its highest probability so far
};

// Application-wide set-up shared by the program and its tests: the widget style.
void prepareApplication();

} // namespace ravo

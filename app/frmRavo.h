// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ControlTable.h"
#include "DrawingCanvas.h"
#include "MarkReadout.h"
#include "QtDrawingSurface.h"
#include "RunControl.h"
#include "RunDriver.h"
#include "RunRecord.h"
#include "SimulationRun.h"
#include "SimulationSettings.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <limits>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

class QAbstractButton;
class QLabel;
class QMenu;
class QScreen;
class QScrollBar;

namespace ravo {

class KeysHelp;
class Languages;
class PointView;
class RunBox;
class RunInputGuard;
class ZoomedStyle;

// The program's only window: the controls that set up the experiment, and the picture on
// which a run draws. Each control event has one short handler that writes one setting;
// "Start" begins a run, which the window's event loop then advances slice by slice while
// no click or setting reaches it. The picture is the replay of the runs' records.
class frmRavo : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(frmRavo)

public:
    static constexpr QSize startClientSize = DesignPlacement::design;

    // The program's languages are the application's; without them the window keeps its own,
    // in the desktop's language.
    explicit frmRavo(QWidget* parent = nullptr, Languages* languages = nullptr);
    ~frmRavo() override;

    SimulationSettings& settings() { return *settings_; }
    QtDrawingSurface& surface() { return *surface_; }
    DrawingCanvas& canvas() { return *canvas_; }
    RunControl& runControl() { return control_; }
    const RunControl& runControl() const { return control_; }
    const RunHistory& history() const { return history_; }
    // True from "Start" until the run has ended (finished, stopped or refused).
    bool running() const { return driver_ != nullptr; }
    // The box the run waits on (the question or the refusal), if one is open.
    QWidget* openBox() const;
    const RunOutcome& lastOutcome() const { return lastOutcome_; }
    const MarkReadout& readout() const { return readout_; }
    // Where the run stands, in a sentence: the window's accessible description.
    QString runStatus() const;

    // Puts the window's client area as shown, controls included, on the clipboard as an
    // image at the screen's resolution. Does nothing while a run draws.
    void copyPicture();
    // Puts every mark shown on the clipboard as a table (Ctrl+Shift+C), and says so.
    void copyData();
    // The window that looks inside a detector point, when one is open.
    PointView* inspector() const;
    // Opens it on the mark under a point of the design, if there is one there.
    bool inspectAt(QPointF designPoint);
    // The keys and the mouse (F1).
    void showKeysHelp();
    KeysHelp* keysHelp() const;
    // The whole window in colours for a projector, or in the design's.
    void setProjectorColours(bool on);
    bool projectorColours() const { return projector_; }
    // The pace as the scroll bar sets it.
    void setPace(int slowDown);
    // The last notice the window gave (after copying data).
    const QString& lastNotice() const { return lastNotice_; }
    // The band that says where a held or stopped run stands.
    const QLabel* statusBand() const { return statusBand_; }
    // The locale of the program's language, for the numbers of copied tables.
    const QLocale& programLocale() const { return locale_; }
    // Switches every text to a language ("cs", "de", ...; "en" for English) at once.
    void setLanguage(const QString& code);
    QString language() const;
    // The zoom of the design in the client area (1 at the design size), and a point of the
    // client area in the design's pixels, the unit of the layout and of every drawing.
    qreal zoom() const { return zoom_; }
    QPointF designPoint(QPoint windowPoint) const;

    // Full screen and back (F11).
    void toggleFullScreen();

    // Draws the whole picture again from the records: the labels, then every run as far as
    // it has got.
    void redrawPicture();

    // Test seams: answer the next questions, or take the refusals, without a box.
    void setAnswerProvider(std::function<bool(std::string_view)> provider) {
        answerProvider_ = std::move(provider);
    }
    void setMessageSink(std::function<void(std::string_view)> sink) {
        messageSink_ = std::move(sink);
    }

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
    void changeEvent(QEvent* event) override;

private:
    QSize startSize() const;
    void startResize(QSize size);
    void placeDesign(bool refit = false);
    void fitFrameOnScreen();
    void buildControls();
    void paintLabels();
    void setTabOrderFromTable();
    void select(const char* optionButton);
    void write(Setting setting, std::string_view value);
    void connectExtras();
    void refreshHelp();
    void describePicture();
    bool takesInput() const;
    void runInput(QObject* watched, QEvent* event);
    bool hoverWhileHeld(QObject* watched, QEvent* event) const;
    void showPictureMenu(QPoint globalPoint);
    void holdFrequency();
    void holdCheckMarks();
    void showControl(std::string_view name);
    void colourControls();
    void placeStatusBand();
    void notice(const QString& text);
    QFont zoomedFont() const;
    static QFont fittedFont(FontRole role, qreal zoom, const QString& text,
                            qreal width = std::numeric_limits<qreal>::max());
    qreal textRoom(const ControlEntry& entry, const QWidget& control) const;
    QString widestText(const ControlEntry& entry, const QWidget& control) const;
    void zoomWith(QWidget& widget) const;
    QString refusalText() const;
    void addLanguageMenu(QMenu& menu);
    void retranslate();

    // The run in progress.
    void advanceRun();
    void advanceSoon();
    void waitUntil(RunDriver::Clock::time_point until);
    void answerRun(bool yes);
    void endRun();
    void showRunState();

    DrawingCanvas* canvas_ = nullptr;
    QScrollBar* scrollBar_ = nullptr;
    std::unique_ptr<SimulationSettings> settings_;
    std::unique_ptr<QtDrawingSurface> surface_;
    std::unique_ptr<ZoomedStyle> style_;
    qreal zoom_ = 1;
    // Until the window has a frame: whether the frame has yet to be fitted on the screen.
    bool fittingFrame_ = true;
    // Whether the user has sized the window; until then it takes the start size of its screen.
    bool userSized_ = false;
    bool screenWatched_ = false;
    QSize requestedSize_;
    const QScreen* sizedFor_ = nullptr;

    RunHistory history_;
    RunControl control_;
    std::unique_ptr<SimulationRun> run_;
    std::unique_ptr<RunDriver> driver_;
    std::unique_ptr<RunInputGuard> guard_;
    std::unique_ptr<RunBox> box_;
    QTimer advanceTimer_;
    RunDriver::Clock::time_point timerDue_{};
    RunDriver::Clock::duration wakeLateness_{};
    bool showingHeld_ = false;
    QString caption_;
    // What the frequency box, the scroll bar and the check marks showed when the run started.
    std::string heldFrequency_;
    int heldScrollValue_ = 1;
    std::vector<std::pair<QAbstractButton*, bool>> heldCheckMarks_;
    RunOutcome lastOutcome_;
    QLabel* statusBand_ = nullptr;
    bool stoppedShown_ = false;
    bool closing_ = false;
    bool projector_ = false;
    QPointer<PointView> inspector_;
    QPointer<KeysHelp> keysHelp_;
    QLocale locale_{QLocale::English, QLocale::UnitedStates};
    std::unique_ptr<Languages> ownLanguages_;
    Languages* languages_ = nullptr;
    QString lastNotice_;
    MarkReadout readout_{history_};
    std::function<bool(std::string_view)> answerProvider_;
    std::function<void(std::string_view)> messageSink_;
};

// Application-wide set-up shared by the program and its tests: the widget style.
void prepareApplication();

} // namespace ravo

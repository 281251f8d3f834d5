// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DrawingCanvas.h"
#include "Form.h"
#include "Marks.h"
#include "QtDrawingSurface.h"
#include "QtText.h"
#include "RunControl.h"
#include "RunSession.h"
#include "View.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

class QLabel;
class QScreen;

namespace ravo {

class ControlsView;
class KeysHelp;
class Languages;
class PictureMenu;
class PictureView;
class PointView;
class RunView;
class WindowSizing;

// The numbers behind the marks shown, for the picture's tooltip: one line per mark under a
// point, in the window's language.
class MarkReadout {
public:
    MarkReadout(const RunHistory& history, const QtTranslator& tr) : history_(history), tr_(tr) {}
    QString textAt(double x, double y) const;
    std::size_t size() const { return shownMarks(history_); }
    std::optional<MarkPlace> markAt(double x, double y) const { return ravo::markAt(history_, x, y); }

private:
    const RunHistory& history_;
    const QtTranslator& tr_;
};

// The program's only window: the controls that set up the experiment, and the picture on
// which a run draws. The controls show the form (the core's state of the controls and the
// settings they write) and hand every use to it; "Start" begins a run of the run session,
// which the window's event loop then advances slice by slice while no click or setting
// reaches it. The picture is the replay of the runs' records.
class frmRavo : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(frmRavo)

public:
    static constexpr QSize startClientSize = DesignPlacement::design;

    // The program's languages are the application's; without them the window keeps its own,
    // in the desktop's language. A clock of a test's own lets a run's pauses pass at once.
    explicit frmRavo(QWidget* parent = nullptr, Languages* languages = nullptr,
                     const RunClock& clock = RunClock::steady());
    ~frmRavo() override;

    Form& form() { return form_; }
    SettingsRecord& settings() { return form_.settings(); }
    QtDrawingSurface& surface() { return *qtSurface_; }
    DrawingCanvas& canvas() { return *canvas_; }
    const RunControl& runControl() const { return session_->control(); }
    RunSession& session() { return *session_; }
    const RunHistory& history() const { return session_->history(); }
    // True from "Start" until the run has ended (finished, stopped or refused).
    bool running() const { return session_->running(); }
    // The box the run waits on (the question or the refusal), if one is open.
    QWidget* openBox() const;
    const RunOutcome& lastOutcome() const { return session_->lastOutcome(); }
    const MarkReadout& readout() const { return *readout_; }
    const QtTranslator& translator() const { return tr_; }
    // Where the run stands, in a sentence: the window's accessible description.
    QString runStatus() const { return tr_(session_->status()); }

    // A user's click on a control (an option button, the check box, "Start", "Exit").
    void click(std::string_view control);

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
    // How the picture is shown: projector colours, marks by shape, marks hidden, legend.
    void setView(const ViewOptions& view);
    const ViewOptions& view() const { return surface_->options(); }
    PictureView& pictureView() { return *picture_; }

    // The picture as one line of text on the clipboard (Ctrl+L), and a picture opened from
    // such a line (Ctrl+V on the picture, the program's argument): false, with a message,
    // for a text that is none; the picture stays as it was then.
    void copyLink();
    bool openLink(const QString& text);
    // Brings back the marks that the last run's "Yes" to "Delete probability" erased.
    bool undoErase();

    // The pace as the scroll bar sets it.
    void setPace(int slowDown);
    // The last notice the window gave (after copying data).
    const QString& lastNotice() const { return lastNotice_; }
    // The band that says where a held or stopped run stands.
    const QLabel* statusBand() const;
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
    void setAnswerProvider(std::function<bool(std::string_view)> provider);
    void setMessageSink(std::function<void(std::string_view)> sink);

    // Start-up: selects the default button of each group, which writes the defaults.
    void Form_Load();
    void cmdStart_Click();
    void cmdKonec_Click();

    // A menu or box of the window at the window's zoom (never below the design's size).
    void zoomWith(QWidget& widget) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void placeDesign(bool refit = false);
    void connectShortcuts();
    void command(Command command);
    bool letThrough(QObject* watched, QEvent* event) const;
    void runEnded();
    void notice(const QString& text);
    void inspect(MarkPlace place);
    void picturesRecordsChanged();
    void retranslate();

    QtTranslator tr_;
    Form form_;
    DrawingCanvas* canvas_ = nullptr;
    std::unique_ptr<QtDrawingSurface> qtSurface_;
    std::unique_ptr<ViewSurface> surface_; // what the runs draw on: the view of qtSurface_
    std::unique_ptr<RunSession> session_;
    std::unique_ptr<ControlsView> controls_;
    std::unique_ptr<RunView> runView_;
    std::unique_ptr<PictureMenu> menu_;
    std::unique_ptr<PictureView> picture_;
    std::unique_ptr<MarkReadout> readout_;
    qreal zoom_ = 1;
    std::unique_ptr<WindowSizing> sizing_;
    bool projector_ = false;
    QPointer<PointView> inspector_;
    QPointer<KeysHelp> keysHelp_;
    QLocale locale_{QLocale::English, QLocale::UnitedStates};
    std::unique_ptr<Languages> ownLanguages_;
    Languages* languages_ = nullptr;
    QString lastNotice_;
};

// Application-wide set-up shared by the program and its tests: the widget style.
void prepareApplication();

} // namespace ravo

#pragma once

#include "core/form_events.h"
#include "widget_controls.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

namespace zarvel {

class NamesStore;
class RandomSource;

// Form1, the program's one window: every control of the core's control
// table at its place, the menu of the core's menu tree, and Timer1. Each
// handled event goes to FormEvents; the window itself only builds, starts
// up and saves on closing. The random source and the names store are
// borrowed and must outlive the window.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(RandomSource &random, NamesStore &names, QWidget *parent = nullptr);

    const ReadingState &State() const { return events_.State(); }

    // Whether closing found the names unsaved (the store told the user).
    bool SaveFailed() const { return saveFailed_; }

    // Draws every picture anew for a screen of this pixel ratio; runs when
    // the window moves to such a screen.
    void UseScreenRatio(qreal screenRatio);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void BuildControls(QWidget *client);
    void BuildMenu();
    void ConnectEvents();
    void SaveNames();
    void LeaveMenuBar(); // gives the focus back once F10's menu bar is done

    WidgetControls controls_;
    FormEvents events_;
    NamesStore &names_;
    QTimer *timer1_; // a child named "Timer1", like every control
    bool saved_ = false;
    bool saveFailed_ = false;
    bool followsScreen_ = false; // the native window's screen changes are followed
    QPointer<QWidget> focusBeforeMenuBar_;
};

} // namespace zarvel

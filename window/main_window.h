#pragma once

#include "window/form_events.h"
#include "window/widget_controls.h"

#include <QMainWindow>
#include <QTimer>

#include <functional>

namespace zarvel {

class NamesFile;
class PictureControl;
class RandomSource;

// Form1, the program's one window: every control at its place, the menu,
// Timer1. Each handled event goes to FormEvents; the window itself only
// builds, starts up and saves on closing.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(RandomSource &random, const NamesFile &namesFile, QWidget *parent = nullptr);

    const ReadingState &State() const { return events_.State(); }

    // How a failed save is told; by default a message box. Tests replace it.
    void SetSaveFailureReport(std::function<void(const QString &)> report);

    // Draws every picture anew for a screen of this pixel ratio; runs when
    // the window moves to such a screen.
    void UseScreenRatio(qreal screenRatio);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void BuildControls(QWidget *client, qreal devicePixelRatio);
    void BuildMenu();
    PictureControl *AddPicture(int number, QWidget *client, qreal devicePixelRatio);
    void SaveNames();

    WidgetControls controls_;
    FormEvents events_;
    const NamesFile &namesFile_;
    QTimer *timer1_; // a child named "Timer1", like every control
    bool saved_ = false;
    bool followsScreen_ = false; // the native window's screen changes are followed
    std::function<void(const QString &)> reportSaveFailure_;
};

} // namespace zarvel

#include "main_window.h"

#include "core/control_layout.h"
#include "core/control_names.h"
#include "core/menu_tree.h"
#include "picture_control.h"
#include "utf8_text.h"
#include "widget_factory.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include <array>

namespace zarvel {

MainWindow::MainWindow(RandomSource &random, NamesStore &names, QWidget *parent)
    : QMainWindow(parent)
    , events_(controls_, random)
    , names_(names)
    , timer1_(new QTimer(this))
{
    setObjectName(FromUtf8(Form1));
    setWindowTitle(FromUtf8(Form1Caption));

    auto *client = new QWidget(this);
    client->setFixedSize(ClientArea.width / TwipsPerPixel, ClientArea.height / TwipsPerPixel);
    setCentralWidget(client);
    BuildControls(client);
    BuildMenu();
    ConnectEvents();
    layout()->setSizeConstraint(QLayout::SetFixedSize); // not resizable

    events_.Load(names_.Read());

    timer1_->setObjectName(FromUtf8(Timer1));
    timer1_->setTimerType(Qt::PreciseTimer);
    timer1_->setInterval(Timer1IntervalMs);
    connect(timer1_, &QTimer::timeout, this, [this] { events_.Tick(); });
    timer1_->start();
}

void MainWindow::BuildControls(QWidget *client)
{
    // Created back to front, in the table's drawing order: a later sibling
    // is drawn over an earlier one.
    QMap<int, QWidget *> focusChain;
    for (const ControlRow &row : WindowControls()) {
        QWidget *control = MakeControl(row, client);
        controls_.Register(control);
        if (row.focusOrder > 0)
            focusChain.insert(row.focusOrder, control);
        if (row.firstFocus)
            control->setFocus();
    }
    const QList<QWidget *> chain = focusChain.values();
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void MainWindow::ConnectEvents()
{
    // Each control's event goes to the handler the table names for it.
    QWidget *client = centralWidget();
    for (const ControlRow &row : WindowControls()) {
        if (row.event == ControlEvent::None)
            continue;
        const auto raise = [this, event = row.event] { events_.Raise(event); };
        auto *control = client->findChild<QWidget *>(FromUtf8(row.name));
        if (auto *picture = qobject_cast<PictureControl *>(control))
            connect(picture, &PictureControl::clicked, this, raise);
        else if (auto *button = qobject_cast<QPushButton *>(control))
            connect(button, &QPushButton::clicked, this, raise);
        else if (auto *combo = qobject_cast<QComboBox *>(control))
            connect(combo, &QComboBox::activated, this, raise);
    }
}

void MainWindow::BuildMenu()
{
    // The tree comes as rows with levels; the open submenu of each level is
    // the parent of the deeper rows that follow it.
    std::array<QMenu *, 5> openAtLevel{};
    for (const MenuEntry &entry : MenuTree) {
        const QString caption = FromUtf8(entry.caption);
        QAction *action = nullptr;
        if (CommandOf(entry) == MenuCommand::OpenSubmenu) {
            QMenu *menu = entry.level == 0
                ? menuBar()->addMenu(caption)
                : openAtLevel.at(static_cast<std::size_t>(entry.level - 1))->addMenu(caption);
            menu->setObjectName(FromUtf8(entry.control));
            openAtLevel.at(static_cast<std::size_t>(entry.level)) = menu;
            action = menu->menuAction();
        } else {
            action = entry.level == 0 ? menuBar()->addAction(caption)
                                      : openAtLevel.at(static_cast<std::size_t>(entry.level - 1))->addAction(caption);
        }
        action->setObjectName(FromUtf8(entry.control));
        if (CommandOf(entry) == MenuCommand::AssignNames)
            connect(action, &QAction::triggered, this, [this] { events_.AssignNames(); });
        else if (CommandOf(entry) == MenuCommand::PickFigure)
            connect(action, &QAction::triggered, this,
                [this, figure = entry.figure, rank = entry.rank] { events_.SelectFigure(figure, rank); });
    }
    // F10 takes the keyboard to the menu bar and opens the first menu, as in
    // GNOME's programs: with a screen reader running, Qt 6.4's menu bar does
    // not always take Alt. The bar keeps the focus while it is used, so
    // Right and Return reach «Назначить имена» too; then the focus goes back.
    auto *toMenuBar = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(toMenuBar, &QShortcut::activated, this, [this] {
        focusBeforeMenuBar_ = QApplication::focusWidget();
        menuBar()->setFocus(Qt::MenuBarFocusReason);
        menuBar()->setActiveAction(menuBar()->actions().value(0));
    });
    connect(menuBar(), &QMenuBar::triggered, this, [this] { QTimer::singleShot(0, this, &MainWindow::LeaveMenuBar); });
    menuBar()->installEventFilter(this);
}

void MainWindow::LeaveMenuBar()
{
    const QWidget *now = focusWidget();
    if ((now == nullptr || now == menuBar()) && focusBeforeMenuBar_)
        focusBeforeMenuBar_->setFocus(Qt::MenuBarFocusReason);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Escape that closed the last menu leaves the bar with nothing open.
    if (watched == menuBar() && event->type() == QEvent::KeyRelease
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape && !menuBar()->activeAction())
        LeaveMenuBar();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::UseScreenRatio(qreal screenRatio)
{
    for (PictureControl *picture : centralWidget()->findChildren<PictureControl *>())
        picture->UseScreenRatio(screenRatio);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    QWindow *native = windowHandle();
    if (native && !followsScreen_) {
        followsScreen_ = true;
        connect(native, &QWindow::screenChanged, this,
            [this](QScreen *screen) { UseScreenRatio(screen ? screen->devicePixelRatio() : 1.0); });
    }
}

void MainWindow::SaveNames()
{
    if (saved_)
        return;
    saved_ = true;
    saveFailed_ = !names_.Save(events_.Unload());
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    timer1_->stop();
    SaveNames();
    event->accept();
}

} // namespace zarvel

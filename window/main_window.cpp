#include "window/main_window.h"

#include "reading/figure_items.h"
#include "window/control_layout.h"
#include "window/names_file.h"
#include "window/picture_control.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <cstdio>

namespace zarvel {

namespace {

constexpr int Timer1Interval = 50; // milliseconds

struct NameColumn {
    const char *box;
    QRect boxPlace;
    const char *label;
    QRect labelPlace;
};

const NameColumn NameColumns[] = {
    {"Text1", FromTwips(1320, 3240, 975, 285), "Label1", FromTwips(1320, 3240, 1695, 375)},
    {"Text2", FromTwips(3120, 3240, 855, 285), "Label2", FromTwips(3240, 3240, 1455, 375)},
    {"Text3", FromTwips(6720, 3240, 975, 285), "Label3", FromTwips(6840, 3240, 1335, 375)},
    {"Text4", FromTwips(8400, 3240, 855, 285), "Label4", FromTwips(8520, 3240, 1455, 375)},
};

QFont LabelFont()
{
    // The labels were drawn in MS Sans Serif; Liberation Sans has the same
    // metrics and Cyrillic letters where it is missing.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    font.setPointSize(12);
    font.setWeight(QFont::Bold);
    return font;
}

QLabel *AddLabel(const char *name, const QRect &place, const QString &caption, QWidget *client)
{
    auto *label = new QLabel(caption, client);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setFont(LabelFont());
    label->setAutoFillBackground(true); // opaque, in the window's colour
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText); // a name is never markup
    label->setWordWrap(false);
    return label;
}

} // namespace

MainWindow::MainWindow(RandomSource &random, const NamesFile &namesFile, QWidget *parent)
    : QMainWindow(parent)
    , events_(controls_, random)
    , namesFile_(namesFile)
    , timer1_(new QTimer(this))
    , reportSaveFailure_([this](const QString &message) { QMessageBox::critical(this, windowTitle(), message); })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Zarvel"));

    auto *client = new QWidget(this);
    client->setFixedSize(ClientSize);
    setCentralWidget(client);
    BuildControls(client, devicePixelRatio());
    BuildMenu();
    layout()->setSizeConstraint(QLayout::SetFixedSize); // not resizable

    events_.FormLoad(namesFile_.Read());

    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setTimerType(Qt::PreciseTimer);
    timer1_->setInterval(Timer1Interval);
    connect(timer1_, &QTimer::timeout, this, [this] { events_.Timer1Timer(); });
    timer1_->start();
}

PictureControl *MainWindow::AddPicture(int number, QWidget *client, qreal devicePixelRatio)
{
    auto *picture = new PictureControl(QStringLiteral("Image%1").arg(number), StoredPicturePlace(number), client);
    picture->ShowCataloguePicture(number, devicePixelRatio);
    if (picture->HasPicture())
        picture->hide(); // the catalogue, the back and the confirm picture start hidden
    if (number >= 50 && number <= 65)
        picture->hide();
    controls_.Register(picture);
    return picture;
}

void MainWindow::BuildControls(QWidget *client, qreal devicePixelRatio)
{
    // Created back to front: a later sibling is drawn over an earlier one.
    for (int number : PicturesBehindLabels()) {
        PictureControl *picture = AddPicture(number, client, devicePixelRatio);
        if (number == 45) {
            picture->MakeClickable();
            connect(picture, &PictureControl::clicked, this, [this] { events_.Image45Click(); });
        }
    }
    for (const NameColumn &column : NameColumns) {
        QLabel *label = AddLabel(column.label, column.labelPlace, QStringLiteral(" "), client);
        label->hide();
        controls_.Register(label);
    }
    controls_.Register(AddLabel("Label5", FromTwips(120, 7560, 5535, 375), QString(), client));
    for (int number : PicturesInFrontOfLabels())
        AddPicture(number, client, devicePixelRatio);

    // The windowed controls stand over every label and picture.
    auto *combo = new QComboBox(client);
    combo->setObjectName(QStringLiteral("Combo1"));
    combo->setGeometry(FromTwips(240, 120, 3255, 315));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setEditText(QStringLiteral("Любовные вопросы"));
    combo->setAccessibleName(QStringLiteral("Вопрос"));
    // Only choosing an item of the list, by mouse or keyboard, raises the
    // click; typing into the text does not.
    connect(combo, &QComboBox::activated, this, [this] { events_.Combo1Click(); });
    controls_.Register(combo);

    QList<QWidget *> tabOrder;
    for (int i = 0; i < 4; ++i) {
        auto *box = new QLineEdit(QStringLiteral("Имя"), client);
        box->setObjectName(QLatin1String(NameColumns[i].box));
        box->setGeometry(NameColumns[i].boxPlace);
        box->setAccessibleName(QStringLiteral("Имя %1").arg(i + 1));
        box->hide();
        controls_.Register(box);
        tabOrder.append(box);
    }
    auto *deal = new QPushButton(QStringLiteral("Раскинуть"), client);
    deal->setObjectName(QStringLiteral("Command1"));
    deal->setGeometry(FromTwips(9720, 7320, 1215, 375));
    deal->setAutoDefault(false);
    deal->setDefault(false);
    connect(deal, &QPushButton::clicked, this, [this] { events_.Command1Click(); });
    controls_.Register(deal);

    // Text1..Text4, the confirm picture for keyboard users, Command1, Combo1.
    tabOrder.append(client->findChild<PictureControl *>(QStringLiteral("Image45")));
    tabOrder.append(deal);
    tabOrder.append(combo);
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    deal->setFocus();
}

void MainWindow::BuildMenu()
{
    // The tree comes as rows with levels; the open submenu of each level is
    // the parent of the deeper rows that follow it.
    QMenu *openAtLevel[5] = {};
    for (const MenuEntry &entry : MenuTree) {
        const QString name = QString::fromUtf8(entry.control.data(), static_cast<qsizetype>(entry.control.size()));
        const QString caption = QString::fromUtf8(entry.caption.data(), static_cast<qsizetype>(entry.caption.size()));
        const bool opensSubmenu = entry.figure == 0 && entry.control != AssignNamesCommand;
        QAction *action = nullptr;
        if (opensSubmenu) {
            QMenu *menu = entry.level == 0 ? menuBar()->addMenu(caption) : openAtLevel[entry.level - 1]->addMenu(caption);
            menu->setObjectName(name);
            openAtLevel[entry.level] = menu;
            action = menu->menuAction();
        } else if (entry.level == 0) {
            action = menuBar()->addAction(caption);
        } else {
            action = openAtLevel[entry.level - 1]->addAction(caption);
        }
        action->setObjectName(name);
        if (entry.control == AssignNamesCommand)
            connect(action, &QAction::triggered, this, [this] { events_.AssignNamesClick(); });
        else if (entry.figure != 0)
            connect(action, &QAction::triggered, this,
                    [this, figure = entry.figure, rank = entry.rank] { events_.FigureItemClick(figure, rank); });
    }
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

void MainWindow::SetSaveFailureReport(std::function<void(const QString &)> report)
{
    reportSaveFailure_ = std::move(report);
}

void MainWindow::SaveNames()
{
    if (saved_)
        return;
    saved_ = true;
    const QString reason = namesFile_.Write(events_.FormUnload());
    if (reason.isEmpty())
        return;
    const QString message = QStringLiteral("Имена не сохранены в файл %1: %2.").arg(namesFile_.Path(), reason);
    std::fprintf(stderr, "zarvel: %s\n", qPrintable(message));
    reportSaveFailure_(message);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    timer1_->stop();
    SaveNames();
    event->accept();
}

} // namespace zarvel

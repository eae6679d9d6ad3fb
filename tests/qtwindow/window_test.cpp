#include "window_fixture.h"

#include "core/catalogue.h"
#include "core/questions.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <array>

namespace zarvel::test {
namespace {

TEST_F(WindowTest, ClientAreaIsFixedBelowTheMenuBar)
{
    EXPECT_EQ(window.windowTitle(), "Zarvel");
    EXPECT_EQ(window.centralWidget()->size(), QSize(747, 535));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the window is not resizable";
}

TEST_F(WindowTest, EveryControlStandsAtItsPlace)
{
    QFile places(QStringLiteral(ZARVEL_TEST_DATA "/control_places.tsv"));
    ASSERT_TRUE(places.open(QIODevice::ReadOnly | QIODevice::Text));
    int checked = 0;
    while (!places.atEnd()) {
        const QString line = QString::fromUtf8(places.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList field = line.split(QLatin1Char('\t'));
        ASSERT_EQ(field.size(), 5) << line.toStdString();
        const QRect place = Twips(field[1].toInt(), field[2].toInt(), field[3].toInt(), field[4].toInt());
        EXPECT_EQ(Control(field[0])->geometry(), place) << field[0].toStdString();
        ++checked;
    }
    EXPECT_GE(checked, 30);
}

TEST_F(WindowTest, OpensShowingOnlyTheQuestionTheButtonAndTheEmptyAnswer)
{
    EXPECT_EQ(Control<QComboBox>("Combo1")->currentText(), "Любовные вопросы");
    EXPECT_TRUE(Control<QComboBox>("Combo1")->isEditable());
    EXPECT_EQ(Control<QComboBox>("Combo1")->count(), static_cast<int>(Questions.size()));
    EXPECT_EQ(Control<QComboBox>("Combo1")->itemText(17), "Кто богаче?");
    EXPECT_EQ(Control<QPushButton>("Command1")->text(), "Раскинуть");
    EXPECT_TRUE(Control<QLabel>("Label5")->isVisible());
    EXPECT_EQ(Control<QLabel>("Label5")->text(), "");
    for (int i = 1; i <= 4; ++i) {
        EXPECT_FALSE(Control(QStringLiteral("Text%1").arg(i))->isVisible());
        EXPECT_FALSE(Control(QStringLiteral("Label%1").arg(i))->isVisible());
        EXPECT_EQ(Control<QLineEdit>(QStringLiteral("Text%1").arg(i))->text(), "Имя");
        EXPECT_EQ(
            Control<QLineEdit>(QStringLiteral("Text%1").arg(i))->accessibleName(), QStringLiteral("Имя %1").arg(i));
    }
    for (int n = 1; n <= 77; ++n)
        EXPECT_FALSE(Image(n)->isVisible() && !Image(n)->Picture().isNull()) << "Image" << n << " shows a card";
    EXPECT_EQ(window.focusWidget(), Control("Command1"));
    const QFontInfo font(Control<QLabel>("Label3")->font());
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.pointSize(), 12);
    EXPECT_TRUE(font.family() == "MS Sans Serif" || font.family() == "Liberation Sans") << font.family().toStdString();
}

TEST_F(WindowTest, LowerCardsAndNameBoxesAreDrawnInFront)
{
    // Siblings later in the list are drawn over earlier ones.
    const QObjectList order = window.centralWidget()->children();
    auto before = [&](const char *back, const char *front) {
        return order.indexOf(Control(QString::fromUtf8(back))) < order.indexOf(Control(QString::fromUtf8(front)));
    };
    const std::vector<std::vector<const char *>> columns
        = {{"Image46", "Image47", "Image48", "Image49", "Image66", "Image71", "Image76"},
            {"Image50", "Image51", "Image52", "Image53", "Image67", "Image72"},
            {"Image54", "Image55", "Image56", "Image57", "Image68", "Image73"},
            {"Image58", "Image59", "Image60", "Image61", "Image69", "Image74"},
            {"Image62", "Image63", "Image64", "Image65", "Image70", "Image75"}};
    for (const auto &column : columns) {
        for (std::size_t row = 1; row < column.size(); ++row)
            EXPECT_TRUE(before(column[row - 1], column[row])) << column[row] << " over " << column[row - 1];
    }
    for (const char *label : {"Label1", "Label2", "Label3", "Label4"})
        EXPECT_TRUE(before(label, "Text1") && before(label, "Text4")) << label;
    EXPECT_TRUE(before("Label5", "Image50"));
    EXPECT_TRUE(before("Image45", "Label1"));
}

TEST_F(WindowTest, TheMenuTreeReadsAsDesigned)
{
    QStringList tree;
    std::function<void(const QList<QAction *> &, int)> walk = [&](const QList<QAction *> &actions, int level) {
        for (QAction *action : actions) {
            tree << QString(level, QLatin1Char('.')) + action->text();
            EXPECT_TRUE(action->isEnabled());
            EXPECT_FALSE(action->isCheckable());
            EXPECT_TRUE(action->shortcut().isEmpty());
            if (action->menu())
                walk(action->menu()->actions(), level + 1);
        }
    };
    walk(window.menuBar()->actions(), 0);
    const QStringList expected = {"Гадание", ".Девушки", "..На 4 короля", "...Вы-дама бубен-молодая",
        "...Вы-дама черви-замужняя", "...Вы-дама крести", "...Вы-дама вини-бабушка", "..На 4 вальта",
        "...Вы-дама бубен-молодая", "...Вы-дама черви-замужняя", "...Вы-дама крести", "...Вы-дама вини-бабушка",
        ".Парня", "..На 4 дамы", "...Вы-король (мужчина)", "....Король черви-замужний", "....Король-буби-молодой",
        "....Король-крести-богатый", "....Король-вини-дедушка", "...Вы-валет (парень)", "....Валет черви-замужний",
        "....Валет-буби-молодой", "....Валет-крести-богатый", "....Валет-вини", "Назначить имена"};
    EXPECT_EQ(tree, expected);
}

// F10, the arrows and Return reach every item, and the focus comes back.
TEST_F(WindowTest, F10TakesTheKeyboardToTheMenusAndGivesItBack)
{
    // Offscreen and a headless Weston give no window the keyboard.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "menus take the keyboard from their window only under X (window.on_real_x_server)";
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QWidget *button = Control("Command1");
    ASSERT_TRUE(button->hasFocus());
    // Keys go to the open menu, else to the window's focus.
    const auto press = [this](Qt::Key key) {
        QWidget *popup = QApplication::activePopupWidget();
        QTest::keyClick(popup ? popup : window.focusWidget(), key);
    };
    QMenu *first = window.menuBar()->actions().value(0)->menu();
    press(Qt::Key_F10);
    ASSERT_TRUE(QTest::qWaitFor([&] { return first->isVisible(); }, 2000)) << "«Гадание» opens";
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Return})
        press(key);
    EXPECT_EQ(window.State().ChosenFigure, 2) << "«Вы-дама бубен-молодая»";
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.focusWidget() == button; }, 2000));

    for (Qt::Key key : {Qt::Key_F10, Qt::Key_Right, Qt::Key_Return})
        press(key);
    EXPECT_TRUE(Control("Text1")->isVisible()) << "«Назначить имена»";
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.focusWidget() == button; }, 2000));

    for (Qt::Key key : {Qt::Key_F10, Qt::Key_Escape, Qt::Key_Escape})
        press(key);
    EXPECT_FALSE(first->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.focusWidget() == button; }, 2000));
}

TEST_F(WindowTest, AFigurePickShowsTheGroupAndTheLabelsFollowAtTheNextTick)
{
    Trigger("Вы_король_мужчина"); // only opens a submenu: nothing happens
    EXPECT_EQ(window.State().ChosenFigure, 0);
    Trigger("на_вальтов_дама_черви");
    EXPECT_EQ(window.State().ChosenFigure, 1);
    EXPECT_EQ(window.State().ChosenRank, 2);
    const std::array row = {6, 26, 9, 16, 36};
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(ShowsPictureOf(40 + i, row.at(static_cast<std::size_t>(i)))) << "Image" << 40 + i;
        EXPECT_EQ(Image(40 + i)->size(), QSize(71, 96));
        EXPECT_EQ(Image(40 + i)->accessibleName(), QString::fromStdString(PictureName(row[i])));
    }
    EXPECT_EQ(Image(42)->accessibleName(), "Туз червей");
    // Sharp on any screen: as many picture pixels as screen pixels.
    const QPixmap &ace = Image(42)->Picture();
    EXPECT_EQ(ace.devicePixelRatio(), window.devicePixelRatio());
    EXPECT_EQ(ace.size(), QSize(71, 96) * window.devicePixelRatio());
    EXPECT_FALSE(Control("Label1")->isVisible());
    EXPECT_TRUE(TicksUntil([&] { return Control("Label1")->isVisible(); }));
    EXPECT_EQ(Control<QLabel>("Label4")->text(), "Имя");
}

TEST_F(WindowTest, PicturesAreDrawnAnewForAScreenOfAnotherRatio)
{
    Trigger("на_вальтов_дама_черви");
    const QRect place = Image(40)->geometry();
    for (qreal ratio : {2.0, 1.0}) {
        window.UseScreenRatio(ratio);
        EXPECT_EQ(Image(40)->Picture().devicePixelRatio(), ratio);
        EXPECT_EQ(Image(40)->Picture().size(), QSize(71, 96) * ratio);
        EXPECT_EQ(Image(40)->geometry(), place);
        EXPECT_EQ(Image(77)->Picture().size(), QSize(75, 96) * ratio);
        EXPECT_EQ(Image(40)->accessibleName(), "Валет червей");
    }
}

TEST_F(WindowTest, NamesAreTypedAndConfirmedWithTheOkPicture)
{
    Trigger("Назначить_имена");
    EXPECT_FALSE(Control("Text1")->isVisible()) << "no figure chosen yet";
    Trigger("Король_буби_молодой");
    Trigger("Назначить_имена");
    EXPECT_TRUE(Control("Text1")->isVisible());
    EXPECT_TRUE(Image(45)->isVisible());
    EXPECT_EQ(Image(45)->accessibleName(), "Ок");
    auto *box = Control<QLineEdit>("Text2");
    box->clear();
    Type(box, QStringLiteral("Мария"));
    QTest::mouseClick(Image(45), Qt::LeftButton);
    EXPECT_FALSE(Control("Text2")->isVisible());
    EXPECT_FALSE(Image(45)->isVisible());
    EXPECT_TRUE(Control("Label2")->isVisible());
    EXPECT_EQ(Control<QLabel>("Label2")->text(), "Мария");
}

TEST_F(WindowTest, TheOkPictureIsAButtonForScreenReadersAndTheKeyboard)
{
    Trigger("Король_буби_молодой");
    Trigger("Назначить_имена");
    QAccessibleInterface *ok = QAccessible::queryAccessibleInterface(Image(45));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->role(), QAccessible::Button);
    EXPECT_EQ(ok->text(QAccessible::Name), "Ок");
    ok->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(Control("Text1")->isVisible());

    Trigger("Назначить_имена");
    Image(45)->setFocus();
    QTest::keyClick(Image(45), Qt::Key_Space);
    EXPECT_FALSE(Control("Text1")->isVisible());
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(Image(40));
    EXPECT_EQ(face->role(), QAccessible::Graphic);
    EXPECT_EQ(face->text(QAccessible::Name), "Дама червей");
    EXPECT_FALSE(face->state().invisible);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(Image(46))->state().invisible)
        << "an empty slot is not announced";
}

TEST_F(WindowTest, TheNameBoxesContextMenuIsRussian)
{
    std::unique_ptr<QMenu> menu(Control<QLineEdit>("Text1")->createStandardContextMenu());
    QStringList texts;
    for (QAction *action : menu->actions())
        texts << action->text().remove(QLatin1Char('&'));
    EXPECT_TRUE(texts.join(' ').contains("Копировать")) << texts.join(", ").toStdString();
}

TEST_F(WindowTest, PickingAQuestionShowsItButTypingDoesNot)
{
    auto *combo = Control<QComboBox>("Combo1");
    combo->setFocus();
    QTest::keyClicks(combo, "abc");
    EXPECT_EQ(Control<QLabel>("Label5")->text(), "");
    combo->showPopup();
    QTest::keyClick(combo->view(), Qt::Key_Down);
    QTest::keyClick(combo->view(), Qt::Key_Return);
    EXPECT_EQ(Control<QLabel>("Label5")->text(), "Кто меня хочет?");
}

} // namespace
} // namespace zarvel::test

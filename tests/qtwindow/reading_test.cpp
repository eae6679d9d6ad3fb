// Whole readings in the real window, from the menu to the answer, and what
// closing the window keeps.
#include "told_to_screen_readers.h"
#include "window_fixture.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

namespace zarvel::test {
namespace {

class ScriptedReading : public WindowTest {
protected:
    // The ace of hearts in slot 1, the king of clubs in every other slot.
    ScriptedReading()
        : WindowTest(LayoutDraws(9, {28}))
    {
    }
};

TEST_F(ScriptedReading, AWholeReadingFromTheMenuToTheAnswer)
{
    Trigger("Король_крести_богатый");
    Trigger("Назначить_имена");
    Control<QLineEdit>("Text2")->setText("Ольга");
    QTest::mouseClick(Image(45), Qt::LeftButton);
    auto *combo = Control<QComboBox>("Combo1");
    combo->setCurrentIndex(9);
    emit combo->activated(9);
    EXPECT_EQ(Control<QLabel>("Label5")->text(), "Кто ревнует?");

    QTest::mouseClick(Control("Command1"), Qt::LeftButton);
    EXPECT_EQ(window.State().RevealState, RevealState::Running);
    for (int n = 46; n <= 76; ++n)
        EXPECT_FALSE(Image(n)->isVisible());
    ASSERT_TRUE(TicksUntil([&] { return window.State().RevealState == RevealState::Stopped; }));

    EXPECT_TRUE(ShowsPictureOf(46, 77)) << "the ace of hearts lies face down";
    EXPECT_EQ(Image(46)->size(), QSize(75, 96));
    EXPECT_TRUE(ShowsPictureOf(50, 28)) << "the king of clubs face up in column 2";
    EXPECT_EQ(Image(50)->geometry(), QRect(200, 264, 71, 96));
    EXPECT_EQ(Image(50)->accessibleName(), "Король треф");
    EXPECT_FALSE(Image(54)->isVisible());
    EXPECT_EQ(Control<QLabel>("Label5")->text(), "Кто ревнует?-Ольга");
}

class TwoScriptedReadings : public WindowTest {
protected:
    TwoScriptedReadings()
        : WindowTest(Twice(LayoutDraws(9, {28})))
    {
    }
    static std::deque<int> Twice(const std::deque<int> &draws)
    {
        std::deque<int> both = draws;
        both.insert(both.end(), draws.begin(), draws.end());
        return both;
    }
};

TEST_F(TwoScriptedReadings, TheAnswerIsToldToScreenReadersOnceWhenTheRevealStops)
{
    ToldToScreenReaders told;
    if (!ToldToScreenReaders::Hears())
        GTEST_SKIP() << "accessibility is off on this platform: the run on the accessibility bus hears the window";
    Trigger("Король_крести_богатый");
    for (int reading = 0; reading < 2; ++reading) {
        QTest::mouseClick(Control("Command1"), Qt::LeftButton);
        ASSERT_TRUE(TicksUntil([&] { return window.State().RevealState == RevealState::Stopped; }));
        QTest::qWait(200);
    }
    EXPECT_EQ(told.told, QStringList({"Label5=Любовные вопросы-Имя", "Label5=Любовные вопросы-Имя"}))
        << "the same answer twice is told twice, the steps before it never";
}

TEST_F(ScriptedReading, ASlotGivenTheBackThenAFaceNarrowsInPlace)
{
    Trigger("Король_крести_богатый");
    QTest::mouseClick(Control("Command1"), Qt::LeftButton);
    ASSERT_TRUE(TicksUntil([&] { return window.State().RevealState == RevealState::Stopped; }));
    // Image50 took the back and then the face within one step.
    EXPECT_EQ(Image(50)->pos(), QPoint(200, 264));
    EXPECT_EQ(Image(50)->width(), 71);
    EXPECT_EQ(Image(46)->width(), 75);
}

class NoFindReading : public WindowTest {
protected:
    // Sixes of hearts only: the querent's card is never dealt.
    NoFindReading()
        : WindowTest(LayoutDraws(1, {1}))
    {
    }
};

TEST_F(NoFindReading, LaysAll31CardsFaceDownAndAnswersNotDealt)
{
    Trigger("На_королей_дама_вини");
    QTest::mouseClick(Control("Command1"), Qt::LeftButton);
    ASSERT_TRUE(TicksUntil([&] { return Control<QLabel>("Label5")->text().endsWith("-Не выпало"); }));
    EXPECT_EQ(Control<QLabel>("Label5")->text(), "Любовные вопросы-Не выпало");
    for (int n = 46; n <= 76; ++n) {
        EXPECT_TRUE(Image(n)->isVisible()) << n;
        EXPECT_TRUE(ShowsPictureOf(n, 77)) << n;
        EXPECT_EQ(Image(n)->size(), QSize(75, 96)) << n;
        EXPECT_EQ(Image(n)->accessibleName(), "Рубашка") << n;
    }
    EXPECT_EQ(Image(76)->pos(), QPoint(80, 312));
    EXPECT_EQ(window.State().RevealState, RevealState::Running) << "a reveal without a find keeps running";
}

TEST_F(WindowTest, ClosingSavesTheBoxesNotTheLabels)
{
    Trigger("Король_буби_молодой");
    Trigger("Назначить_имена");
    Control<QLineEdit>("Text1")->setText("Ёлка, \"Ж\"");
    Control<QLineEdit>("Text3")->setText("");
    window.close();
    QFile file(namesFile.Path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\xA8\xEB\xEA\xE0, \"\xC6\"\r\n\xC8\xEC\xFF\r\n\r\n\xC8\xEC\xFF\r\n"));
    EXPECT_TRUE(failures.isEmpty());
}

} // namespace
} // namespace zarvel::test

// Typing, pasting and pressing keys as a user does: what may and may not
// change a reading.
#include "window_fixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zarvel::test {
namespace {

QString Answer(const WindowTest &test) { return test.Control<QLabel>("Label5")->text(); }

TEST_F(WindowTest, TypingIntoTheQuestionNeverChoosesOne)
{
    auto *combo = Control<QComboBox>("Combo1");
    combo->setFocus();
    combo->lineEdit()->clear();
    Type(combo, QStringLiteral("Кто ме"));
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(combo->currentText(), "Кто ме") << "no inline completion";
    EXPECT_EQ(Answer(*this), "");

    for (const char *typed : {"кто ревнует?", "Кто ревнует?"}) {
        combo->lineEdit()->clear();
        Type(combo, QString::fromUtf8(typed));
        QTest::keyClick(combo, Qt::Key_Enter);
        Control("Command1")->setFocus(); // focus leaves the box
        EXPECT_EQ(combo->currentText(), QString::fromUtf8(typed)) << "the letters stay as typed";
        EXPECT_EQ(Answer(*this), "") << typed;
    }

    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down); // the arrow keys on the closed box still choose
    EXPECT_EQ(Answer(*this), combo->currentText());
    EXPECT_FALSE(Answer(*this).isEmpty());
}

TEST_F(WindowTest, ANamePastedPastTheLimitIsCutThereAndComesBackWhole)
{
    constexpr auto Limit = static_cast<qsizetype>(MaxTypedNameLength);
    auto *box = Control<QLineEdit>("Text1");
    box->clear();
    box->setFocus();
    QGuiApplication::clipboard()->setText(QString(Limit + 10, QChar(0x0416))); // Ж
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text().size(), Limit);
    QTest::keyClick(box, Qt::Key_A);
    EXPECT_EQ(box->text().size(), Limit) << "typing stops there too";
    window.close();
    NamesFile again(namesFile.Path());
    ASSERT_EQ(again.Read().size(), 4u);
    EXPECT_EQ(QString::fromStdString(again.Read()[0]), box->text());
}

TEST_F(WindowTest, ANameFromTheFileLongerThanTypingMakesStaysWholeAndNeverGrows)
{
    const QString longest(static_cast<qsizetype>(MaxTypedNameLength) * 3, QChar(0x0416)); // Ж
    ASSERT_TRUE(namesFile.Save({longest.toStdString(), "Борис", "Вера", "Глеб"}));
    const auto box = [](const MainWindow &window, const char *name) {
        return window.findChild<QLineEdit *>(QString::fromLatin1(name));
    };
    {
        MainWindow again(random, namesFile);
        EXPECT_EQ(box(again, "Text1")->text().size(), longest.size());
        box(again, "Text2")->setFocus();
        QTest::keyClick(box(again, "Text2"), Qt::Key_A);
        again.close();
    }
    EXPECT_EQ(namesFile.Read(), (LinesRead{longest.toStdString(), "Борисa", "Вера", "Глеб"}))
        << "saved again, the long name comes back whole";

    MainWindow again(random, namesFile);
    QLineEdit *text1 = box(again, "Text1");
    text1->setFocus();
    text1->end(false);
    QTest::keyClick(text1, Qt::Key_A);
    EXPECT_EQ(text1->text().size(), longest.size()) << "typing never makes it longer";
    QTest::keyClick(text1, Qt::Key_Backspace);
    QTest::keyClick(text1, Qt::Key_A);
    EXPECT_EQ(text1->text().size(), longest.size() - 1) << "only shorter, as in the page and on Windows";
}

TEST_F(WindowTest, NamesInAnyAlphabetComeBackAtTheNextStart)
{
    const std::array<QString, 4> typed = {"José", "Әлия", "Аня ❤", QString(QChar(0xD83D)) + "Ева"};
    for (std::size_t i = 0; i < typed.size(); ++i)
        Control<QLineEdit>(QStringLiteral("Text%1").arg(i + 1))->setText(typed[i]);
    window.close();
    // A lone surrogate, which a paste can bring, is kept as U+FFFD.
    EXPECT_EQ(namesFile.Read(), (LinesRead{"José", "Әлия", "Аня ❤", "\uFFFDЕва"}));
}

TEST_F(WindowTest, APastedNameStaysOneLine)
{
    Trigger("Король_буби_молодой");
    Trigger("Назначить_имена");
    auto *box = Control<QLineEdit>("Text2");
    box->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("Анна\r\nМария\nОльга\u2028Вера"));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "Анна Мария Ольга Вера");
    box->setText(QStringLiteral("a\rb")); // as a screen reader may set it
    EXPECT_EQ(box->text(), "a b");
    window.close();
    EXPECT_EQ(namesFile.Read().size(), 4u);
    EXPECT_EQ(namesFile.Read()[3], "Имя") << "no name moved down a box";
}

class ThreeDeals : public WindowTest {
protected:
    ThreeDeals()
        : WindowTest(Repeat(LayoutDraws(2, {1}), 3))
    {
    }
    static std::deque<int> Repeat(const std::deque<int> &draws, int times)
    {
        std::deque<int> all;
        for (int i = 0; i < times; ++i)
            all.insert(all.end(), draws.begin(), draws.end());
        return all;
    }
};

TEST_F(ThreeDeals, EnterPressesTheFocusedButtonButNoOtherControl)
{
    Trigger("На_королей_дама_черви");
    Trigger("Назначить_имена");
    Control("Text1")->setFocus();
    QTest::keyClick(Control("Text1"), Qt::Key_Return);
    QTest::qWait(200);
    EXPECT_EQ(random.values, 0) << "Enter in a name box deals nothing";

    int draws = 0;
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        Control("Command1")->setFocus();
        QTest::keyClick(Control("Command1"), key);
        EXPECT_TRUE(QTest::qWaitFor([&] { return random.values > draws; }, 2000)) << "key " << key;
        draws = random.values;
    }
}

} // namespace
} // namespace zarvel::test

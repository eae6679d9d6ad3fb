#pragma once

#include "fake_controls.h"
#include "qtwindow/main_window.h"
#include "qtwindow/picture_control.h"
#include "storage/names_file.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace zarvel::test {

inline QRect Twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

// A window over a scripted deal and a names file in a temporary folder.
class WindowTest : public ::testing::Test {
public:
    explicit WindowTest(std::deque<int> draws = {})
        : random(std::move(draws))
        , namesFile(folder.filePath(QStringLiteral("Zarvel.TXT")).toStdString(),
              [this](const std::string &message) { failures << QString::fromStdString(message); })
        , window(random, namesFile)
    {
        window.show();
    }

    template <typename T = QWidget> T *Control(const QString &name) const
    {
        T *control = window.findChild<T *>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    PictureControl *Image(int n) const { return Control<PictureControl>(QStringLiteral("Image%1").arg(n)); }
    void Trigger(const QString &menuItem) const { Control<QAction>(menuItem)->trigger(); }
    // Lets Timer1 tick until the condition holds; generous, for a loaded
    // machine or valgrind, as it returns as soon as the condition holds.
    static bool TicksUntil(const std::function<bool()> &condition) { return QTest::qWaitFor(condition, 10000); }
    // Types letter by letter, as a keyboard layout types Cyrillic letters.
    static void Type(QWidget *widget, const QString &text)
    {
        for (QChar letter : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
            QApplication::sendEvent(widget, &press);
        }
    }
    bool ShowsPictureOf(int image, int catalogue) const
    {
        return Image(image)->Picture().toImage() == Image(catalogue)->Picture().toImage();
    }

    QTemporaryDir folder;
    ScriptedRandom random;
    NamesFile namesFile;
    MainWindow window;
    QStringList failures;
};

} // namespace zarvel::test

#pragma once

#include <QLineEdit>
#include <QPushButton>

namespace zarvel {

// A name box: one line. Typing and pasting make it at most
// MaxTypedNameLength characters long, while a longer name the names file
// brings (up to MaxNameLength) is held whole and only never grows. Qt's
// line edit would cut a text at 32 767 characters and lets pasted, dropped
// or screen-reader text bring line breaks in; here each line break becomes
// one space as it arrives, as the names file needs.
class NameBox final : public QLineEdit {
    Q_OBJECT

public:
    NameBox(const QString &text, QWidget *parent);

    // Changes with every change of the text (see Controls::TextVersion).
    quint64 Version() const { return version_; }

    // Shows a name the program has, up to MaxNameLength characters, whole.
    void SetName(const QString &name);

private:
    // Each line break becomes a space, and a text past MaxNameLength is cut
    // back to it.
    void KeepTheRules(const QString &text);

    quint64 version_ = 0;
    qsizetype length_ = 0; // of the text before the edit under way
    bool whole_ = false;   // while the program sets the text
};

// A command button that Enter and Return press while it has the focus, as
// Space does. It is no default button: Enter in another control does not
// press it.
class EnterButton final : public QPushButton {
    Q_OBJECT

public:
    EnterButton(const QString &caption, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace zarvel

#pragma once

#include <QLineEdit>
#include <QPushButton>

namespace zarvel {

// A name box: one line of any length. Qt's line edit would cut a text at
// 32 767 characters and lets pasted, dropped or screen-reader text bring
// line breaks in; here each line break becomes one space as it arrives, as
// the names file needs.
class NameBox final : public QLineEdit {
    Q_OBJECT

public:
    NameBox(const QString &text, QWidget *parent);

private:
    void KeepOneLine(const QString &text);
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

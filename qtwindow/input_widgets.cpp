#include "input_widgets.h"

#include "name_lines.h"

#include <QKeyEvent>

#include <limits>

namespace zarvel {

NameBox::NameBox(const QString &text, QWidget *parent)
    : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
    setText(text);
    connect(this, &QLineEdit::textChanged, this, &NameBox::KeepOneLine);
}

void NameBox::KeepOneLine(const QString &text)
{
    const QString line = QString::fromStdString(OneLineName(text.toStdString()));
    if (line == text)
        return;
    // A CR LF pair becomes one space, so the cursor moves back by as much.
    const int cursor = cursorPosition() - static_cast<int>(text.size() - line.size());
    setText(line);
    setCursorPosition(std::max(0, cursor));
}

EnterButton::EnterButton(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    setAutoDefault(false);
    setDefault(false);
}

void EnterButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        animateClick();
    else
        QPushButton::keyPressEvent(event);
}

} // namespace zarvel

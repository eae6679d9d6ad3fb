#include "input_widgets.h"

#include "core/name_lines.h"
#include "utf8_text.h"

#include <QKeyEvent>

#include <algorithm>
#include <limits>

namespace zarvel {

NameBox::NameBox(const QString &text, QWidget *parent)
    : QLineEdit(parent)
{
    // The limit is kept here, not by setMaxLength: Qt 6.4's line edit copies
    // the pasted text once per character when it cuts it at its maximum, and
    // a pasted million letters would freeze the window for a minute.
    setMaxLength(std::numeric_limits<int>::max());
    setText(text);
    connect(this, &QLineEdit::textChanged, this, [this] { ++version_; });
    connect(this, &QLineEdit::textChanged, this, &NameBox::KeepTheRules);
}

void NameBox::KeepTheRules(const QString &text)
{
    constexpr auto Limit = static_cast<qsizetype>(MaxNameLength);
    // Every break is one UTF-16 unit: a scan finds them without converting
    // a long name at every keystroke.
    const bool hasBreak = std::ranges::any_of(
        text, [](QChar c) { return std::ranges::find(LineBreaks, char32_t{c.unicode()}) != LineBreaks.end(); });
    if (!hasBreak && text.size() <= Limit)
        return;
    QString line = hasBreak ? FromUtf8(OneLineName(ToUtf8(text))) : text;
    // A CR LF pair becomes one space, so the cursor moves back by as much.
    qsizetype cursor = cursorPosition() - (text.size() - line.size());
    if (const qsizetype over = line.size() - Limit; over > 0) {
        // What was typed or pasted last, just before the cursor, stops at
        // the limit.
        cursor = std::max<qsizetype>(0, cursor - over);
        line.remove(cursor, over);
    }
    setText(line);
    setCursorPosition(static_cast<int>(std::max<qsizetype>(0, cursor)));
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

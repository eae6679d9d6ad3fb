#include "input_widgets.h"

#include "core/name_lines.h"
#include "utf8_text.h"

#include <QKeyEvent>
#include <QValidator>

#include <algorithm>
#include <functional>
#include <limits>

namespace zarvel {

namespace {

// What was typed or pasted last, just before the cursor, is cut back so
// that the text is at most `limit` long; the cursor stays after what is
// left of it.
void CutBeforeCursor(QString &text, qsizetype &cursor, qsizetype limit)
{
    if (const qsizetype over = text.size() - limit; over > 0) {
        cursor = std::max<qsizetype>(0, cursor - over);
        text.remove(cursor, over);
    }
}

// Cuts every change of the text at the length `limit()` gives.
class LengthLimit final : public QValidator {
public:
    LengthLimit(std::function<qsizetype()> limit, QObject *parent)
        : QValidator(parent)
        , limit_(std::move(limit))
    {
    }

    State validate(QString &input, int &pos) const override
    {
        qsizetype cursor = pos;
        CutBeforeCursor(input, cursor, limit_());
        pos = static_cast<int>(cursor);
        return Acceptable;
    }

private:
    std::function<qsizetype()> limit_;
};

} // namespace

NameBox::NameBox(const QString &text, QWidget *parent)
    : QLineEdit(parent)
{
    // The limits are kept here, not by setMaxLength: Qt 6.4's line edit
    // copies the pasted text once per character when it cuts it at its
    // maximum, and setText would cut a name the names file brings.
    setMaxLength(std::numeric_limits<int>::max());
    // Typing and pasting (a screen reader's text too) stop at
    // MaxTypedNameLength, or at the length the text had before, when the
    // names file brought a longer one.
    setValidator(new LengthLimit(
        [this] {
            return whole_ ? static_cast<qsizetype>(MaxNameLength)
                          : std::max(static_cast<qsizetype>(MaxTypedNameLength), length_);
        },
        this));
    setText(text);
    length_ = this->text().size();
    connect(this, &QLineEdit::textChanged, this, [this] { ++version_; });
    connect(this, &QLineEdit::textChanged, this, &NameBox::KeepTheRules);
    connect(this, &QLineEdit::textChanged, this, [this] { length_ = this->text().size(); });
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
    CutBeforeCursor(line, cursor, Limit);
    SetName(line);
    setCursorPosition(static_cast<int>(std::max<qsizetype>(0, cursor)));
}

void NameBox::SetName(const QString &name)
{
    whole_ = true;
    setText(name);
    whole_ = false;
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

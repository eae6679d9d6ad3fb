#include "widget_controls.h"

#include "announcement.h"
#include "input_widgets.h"
#include "picture_control.h"
#include "utf8_text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace zarvel {

void WidgetControls::Register(QWidget *control) { controls_.insert(control->objectName(), control); }

template <typename Widget> Widget *WidgetControls::Find(std::string_view name) const
{
    // The reading logic only names controls that exist; a wrong name is a
    // programming error, caught here in debug builds and ignored otherwise.
    auto *widget = qobject_cast<Widget *>(controls_.value(FromUtf8(name)));
    Q_ASSERT_X(widget, "WidgetControls", "no control of that name and kind");
    return widget;
}

void WidgetControls::SetVisible(std::string_view control, bool visible)
{
    if (auto *widget = Find<QWidget>(control))
        widget->setVisible(visible);
}

void WidgetControls::CopyPicture(std::string_view target, std::string_view source)
{
    auto *to = Find<PictureControl>(target);
    const PictureControl *from = Find<PictureControl>(source);
    if (to && from)
        to->CopyPictureFrom(*from);
}

void WidgetControls::SetCaption(std::string_view label, std::string_view caption)
{
    if (auto *widget = Find<QLabel>(label))
        widget->setText(FromUtf8(caption));
}

std::string WidgetControls::Text(std::string_view control) const
{
    if (const auto *box = qobject_cast<const QLineEdit *>(controls_.value(FromUtf8(control))))
        return ToUtf8(box->text());
    if (const QComboBox *combo = Find<QComboBox>(control))
        return ToUtf8(combo->currentText());
    return {};
}

std::uint64_t WidgetControls::TextVersion(std::string_view textBox) const
{
    const NameBox *box = Find<NameBox>(textBox);
    return box ? box->Version() : 0;
}

void WidgetControls::SetText(std::string_view textBox, std::string_view text)
{
    if (auto *box = Find<NameBox>(textBox))
        box->SetName(FromUtf8(text));
}

void WidgetControls::AppendItem(std::string_view combo, std::string_view item)
{
    auto *box = Find<QComboBox>(combo);
    if (!box)
        return;
    // Adding to an empty list would select the new item and replace the
    // text; the text the user sees stays until an item is chosen.
    const QString text = box->currentText();
    const int index = box->currentIndex();
    box->addItem(FromUtf8(item));
    if (box->currentIndex() != index) {
        box->setCurrentIndex(index);
        box->setEditText(text);
    }
}

void WidgetControls::Announce(std::string_view control, std::string_view text)
{
    zarvel::Announce(Find<QWidget>(control), FromUtf8(text));
}

} // namespace zarvel

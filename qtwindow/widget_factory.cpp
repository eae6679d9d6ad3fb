#include "widget_factory.h"

#include "core/control_layout.h"
#include "input_widgets.h"
#include "picture_control.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace zarvel {

namespace {

QRect Pixels(const TwipsRect &twips)
{
    const TwipsRect p = twips.InPixels();
    return {p.left, p.top, p.width, p.height};
}

QFont LabelFont()
{
    // The labels were drawn in MS Sans Serif; Liberation Sans has the same
    // metrics and Cyrillic letters where it is missing.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    font.setPointSize(12);
    font.setWeight(QFont::Bold);
    return font;
}

QWidget *MakePicture(const ControlRow &row, QWidget *client)
{
    auto *picture = new PictureControl(QString::fromStdString(row.name), Pixels(row.place), client);
    picture->ShowCataloguePicture(row.imageNumber, client->devicePixelRatio());
    if (row.event != ControlEvent::None)
        picture->MakeClickable(); // the confirm picture is a button
    return picture;
}

QWidget *MakeLabel(const ControlRow &row, QWidget *client)
{
    auto *label = new QLabel(QString::fromStdString(row.text), client);
    label->setFont(LabelFont());
    label->setAutoFillBackground(true); // opaque, in the window's colour
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText); // a name is never markup
    label->setWordWrap(false);
    return label;
}

QWidget *MakeComboBox(const ControlRow &row, QWidget *client)
{
    auto *combo = new QComboBox(client);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // Only choosing an item of the list, by mouse or keyboard, raises the
    // click. Typing must not choose one: no completion, and Qt's own rule
    // that Enter or leaving the box selects an item equal to the text
    // (ignoring case) is cut off.
    combo->setCompleter(nullptr);
    QObject::disconnect(combo->lineEdit(), SIGNAL(editingFinished()), combo, nullptr);
    QObject::disconnect(combo->lineEdit(), SIGNAL(returnPressed()), combo, nullptr);
    combo->setEditText(QString::fromStdString(row.text));
    return combo;
}

} // namespace

QWidget *MakeControl(const ControlRow &row, QWidget *client)
{
    QWidget *control = nullptr;
    switch (row.kind) {
    case ControlKind::Picture: control = MakePicture(row, client); break;
    case ControlKind::Label: control = MakeLabel(row, client); break;
    case ControlKind::TextBox: control = new NameBox(QString::fromStdString(row.text), client); break;
    case ControlKind::ComboBox: control = MakeComboBox(row, client); break;
    case ControlKind::Button: control = new EnterButton(QString::fromStdString(row.text), client); break;
    }
    control->setObjectName(QString::fromStdString(row.name));
    if (row.kind != ControlKind::Picture)
        control->setGeometry(Pixels(row.place));
    if (!row.accessibleName.empty())
        control->setAccessibleName(QString::fromStdString(row.accessibleName));
    control->setVisible(row.visible);
    return control;
}

} // namespace zarvel

#include "controls_script.h"
#include "core/control_layout.h"
#include "qtwindow/widget_controls.h"
#include "told_to_screen_readers.h"
#include "window_fixture.h"

#include <QComboBox>
#include <QLabel>

namespace zarvel::test {
namespace {

// The window's widgets as a person sees them.
class WidgetView final : public ControlsView {
public:
    explicit WidgetView(const QWidget &window)
        : window_(window)
    {
    }
    bool Seen(const std::string &control) const override
    {
        const auto *widget = Find<QWidget>(control);
        const auto *picture = qobject_cast<const PictureControl *>(widget);
        return widget->isVisibleTo(&window_) && (!picture || picture->HasPicture());
    }
    bool SamePicture(const std::string &control, const std::string &other) const override
    {
        const auto *picture = Find<PictureControl>(control);
        return picture->HasPicture()
            && picture->Picture().toImage() == Find<PictureControl>(other)->Picture().toImage();
    }
    std::string Caption(const std::string &label) const override
    {
        const auto *widget = Find<QLabel>(label);
        return widget->textFormat() == Qt::PlainText ? widget->text().toStdString() : "(not plain text)";
    }
    int Items(const std::string &combo) const override { return Find<QComboBox>(combo)->count(); }
    std::string Told(const std::string &control) const override
    {
        return told_.By(QString::fromStdString(control)).toStdString();
    }
    bool HearsTold() const override { return ToldToScreenReaders::Hears(); }

private:
    template <typename T> const T *Find(const std::string &name) const
    {
        const T *widget = window_.findChild<const T *>(QString::fromStdString(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    const QWidget &window_;
    ToldToScreenReaders told_;
};

TEST_F(WindowTest, TheWidgetsDoWhatThePageAndTheFakeDo)
{
    WidgetControls controls;
    for (const ControlRow &row : WindowControls())
        controls.Register(Control(QString::fromStdString(row.name)));
    RunControlsScript(controls, WidgetView(window));
}

} // namespace
} // namespace zarvel::test

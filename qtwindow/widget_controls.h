#pragma once

#include "core/controls.h"

#include <QHash>
#include <QString>

class QWidget;

namespace zarvel {

// The control operations over the window's real widgets, found by their
// object names (which are the controls' names).
class WidgetControls final : public Controls {
public:
    void Register(QWidget *control);

    void SetVisible(std::string_view control, bool visible) override;
    void CopyPicture(std::string_view target, std::string_view source) override;
    void SetCaption(std::string_view label, std::string_view caption) override;
    std::string Text(std::string_view control) const override;
    std::uint64_t TextVersion(std::string_view textBox) const override;
    void SetText(std::string_view textBox, std::string_view text) override;
    void AppendItem(std::string_view combo, std::string_view item) override;
    void Announce(std::string_view control, std::string_view text) override;

private:
    template <typename Widget> Widget *Find(std::string_view name) const;

    QHash<QString, QWidget *> controls_;
};

} // namespace zarvel

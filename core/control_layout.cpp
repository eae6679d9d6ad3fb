#include "control_layout.h"

#include "catalogue.h"
#include "control_names.h"
#include "reveal_step_table.h"

#include <algorithm>
#include <array>

namespace zarvel {

namespace {

constexpr std::array<int, 5> SlotColumnLeft = {1200, 3000, 4800, 6720, 8520};
constexpr std::array<int, 5> SlotColumnWidth = {1335, 1215, 1215, 1335, 1215};
constexpr std::array<int, 7> FirstColumnHeight = {1575, 1815, 1815, 1935, 2055, 2055, 2055};

TwipsRect Slot(int row, int column)
{
    const auto c = static_cast<std::size_t>(column - 1);
    const int height = column == 1 ? FirstColumnHeight[static_cast<std::size_t>(row - 1)] : 1455;
    return {SlotColumnLeft[c], 3960 + 120 * (row - 1), SlotColumnWidth[c], height};
}

// Four fans of nine cards along the top, overlapping by all but 120 twips.
TwipsRect CatalogueFace(int suit, int rank)
{
    constexpr std::array<int, 4> FanLeft = {120, 2640, 5040, 7440};
    return {FanLeft[static_cast<std::size_t>(suit)] + 120 * (rank - 1), 240, 1065, 1440};
}

struct TextControl {
    const char *name;
    ControlKind kind;
    TwipsRect place;
    const char *text;
    bool visible;
    int focusOrder;
    const char *accessibleName;
    ControlEvent event = ControlEvent::None;
    bool firstFocus = false;
    bool announces = false;
};

constexpr std::array<TextControl, 5> Labels = {{
    {"Label1", ControlKind::Label, {1320, 3240, 1695, 375}, " ", false, 0, ""},
    {"Label2", ControlKind::Label, {3240, 3240, 1455, 375}, " ", false, 0, ""},
    {"Label3", ControlKind::Label, {6840, 3240, 1335, 375}, " ", false, 0, ""},
    {"Label4", ControlKind::Label, {8520, 3240, 1455, 375}, " ", false, 0, ""},
    {"Label5", ControlKind::Label, {120, 7560, 5535, 375}, "", true, 0, "", ControlEvent::None, false, true},
}};

// The confirm picture takes the keyboard focus between the last name box
// and the button, so keyboard users can confirm the names.
constexpr int ConfirmFocusOrder = 5;

constexpr std::array<TextControl, 6> Windowed = {{
    {"Text1", ControlKind::TextBox, {1320, 3240, 975, 285}, "Имя", false, 1, "Имя 1"},
    {"Text2", ControlKind::TextBox, {3120, 3240, 855, 285}, "Имя", false, 2, "Имя 2"},
    {"Text3", ControlKind::TextBox, {6720, 3240, 975, 285}, "Имя", false, 3, "Имя 3"},
    {"Text4", ControlKind::TextBox, {8400, 3240, 855, 285}, "Имя", false, 4, "Имя 4"},
    {"Command1", ControlKind::Button, {9720, 7320, 1215, 375}, "Раскинуть", true, 6, "", ControlEvent::Deal, true},
    {"Combo1", ControlKind::ComboBox, {240, 120, 3255, 315}, "Любовные вопросы", true, 7, "Вопрос",
        ControlEvent::ChooseQuestion},
}};

ControlRow PictureRow(int n)
{
    // The catalogue, the back and the confirm picture start hidden, and so
    // do the slots of rows 1 to 4 in columns 2 to 5.
    const bool hidden = CarriesPicture(n) || (n >= 50 && n <= 65);
    const bool confirm = n == ConfirmImage;
    return {ImageControl(n), ControlKind::Picture, StoredPicturePlace(n), {}, !hidden, confirm ? ConfirmFocusOrder : 0,
        {}, n, confirm ? ControlEvent::ConfirmNames : ControlEvent::None};
}

ControlRow TextRow(const TextControl &c)
{
    return {c.name, c.kind, c.place, c.text, c.visible, c.focusOrder, c.accessibleName, 0, c.event, c.firstFocus,
        c.announces};
}

std::vector<ControlRow> BuildTable()
{
    std::vector<ControlRow> table;
    for (int n = 1; n <= ConfirmImage; ++n)
        table.push_back(PictureRow(n));
    for (const TextControl &label : Labels)
        table.push_back(TextRow(label));
    // Column by column from the back: a lower card over the one above it.
    for (int n = 50; n <= 65; ++n)
        table.push_back(PictureRow(n));
    for (int n : {67, 68, 69, 70, 72, 73, 74, 75, CardBackImage, 46, 47, 48, 49, 66, 71, 76})
        table.push_back(PictureRow(n));
    for (const TextControl &control : Windowed)
        table.push_back(TextRow(control));
    return table;
}

} // namespace

const std::vector<ControlRow> &WindowControls()
{
    static const std::vector<ControlRow> table = BuildTable();
    return table;
}

TwipsRect StoredPicturePlace(int n)
{
    switch (n) {
    case 10: return {1320, 240, 975, 1575};
    case 20: return {3720, 240, 1095, 1575};
    case 30: return {6120, 240, 1095, 1575};
    case 40: return {1200, 1680, 1455, 1575};
    case 41: return {3000, 1680, 1215, 1455};
    case 42: return {4800, 1680, 1095, 1575};
    case 43: return {6600, 1680, 1335, 1575};
    case 44: return {8280, 1680, 1455, 1575};
    case ConfirmImage: return {4920, 3240, 765, 300};
    case CardBackImage: return {0, 4440, 1125, 1440};
    default: break;
    }
    if (n >= FirstCatalogueImage && n <= LastCatalogueImage)
        return CatalogueFace(n / 10, n % 10);
    // A slot stands in the row and column where the reveal lays it.
    for (std::size_t i = 0; i < RevealStepTable.size(); ++i) {
        if (RevealStepTable[i].slotImage == n)
            return Slot(static_cast<int>(i) / SlotColumns + 1, RevealStepTable[i].column);
    }
    return {};
}

namespace {

const ControlRow *RowOf(std::string_view control)
{
    const auto &rows = WindowControls();
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const ControlRow &r) { return r.name == control; });
    return row == rows.end() ? nullptr : &*row;
}

} // namespace

bool Announces(std::string_view control)
{
    const ControlRow *row = RowOf(control);
    return row != nullptr && row->announces;
}

std::string_view VisibleCaption(std::string_view label, std::string_view caption)
{
    const ControlRow *row = RowOf(label);
    if (row == nullptr)
        return caption;
    const auto room = static_cast<std::size_t>(2 * row->place.InPixels().width);
    std::size_t characters = 0;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        // A UTF-8 character starts at every byte that is no continuation byte.
        if ((static_cast<unsigned char>(caption[i]) & 0xC0U) != 0x80U && characters++ == room)
            return caption.substr(0, i);
    }
    return caption;
}

} // namespace zarvel

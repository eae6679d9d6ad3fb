#include "core/name_lines.h"
#include "core/startup.h"

#include "fake_controls.h"

#include <gtest/gtest.h>

#include <array>

namespace zarvel::test {
namespace {

struct BreakCase {
    const char *text;
    const char *line;
};

TEST(OneLineName, EachLineBreakBecomesOneSpace)
{
    const auto cases = std::to_array<BreakCase>({
        {"Аня", "Аня"}, {"a\r\nb", "a b"}, {"a\rb\nc", "a b c"}, {"a\n\rb", "a  b"}, {"a\r\n\r\nb", "a  b"},
        {"\r\n", " "},
        {"a\xC2\x85"
         "b\xE2\x80\xA8"
         "c\xE2\x80\xA9"
         "d",
            "a b c d"},
        {"\xE2\x80\xA6 \xC2\xA0", "\xE2\x80\xA6 \xC2\xA0"}, // an ellipsis and a no-break space stay
    });
    for (const BreakCase &c : cases)
        EXPECT_EQ(OneLineName(c.text), c.line) << c.text;
}

TEST(NamesToSave, AlwaysMakeFourLinesWhateverTheBoxesHold)
{
    FakeControls controls;
    controls.texts["Text2"] = "Анна\r\nМария\nОльга";
    controls.texts["Text4"] = std::string(70000, 'x');
    const NameLines names = NamesToSave(controls);
    EXPECT_EQ(names[0], "Имя");
    EXPECT_EQ(names[1], "Анна Мария Ольга");
    EXPECT_EQ(names[3].size(), 70000u) << "no length limit";
}

} // namespace
} // namespace zarvel::test

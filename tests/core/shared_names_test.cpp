#include "core/shared_names.h"

#include "fake_controls.h"

#include <gtest/gtest.h>

namespace zarvel::test {
namespace {

const LinesRead Stored = {"Аня", "Борис", "Вера", "Глеб"};

// Two tabs over one store: each starts from the stored names.
struct Tab {
    Tab()
    {
        for (std::size_t i = 0; i < 4; ++i)
            controls.texts["Text" + std::to_string(i + 1)] = Stored[i];
        MarkNamesSynced(controls, shared);
    }
    FakeControls controls;
    SharedNames shared;
};

LinesRead Lines(const NameLines &names) { return {names.begin(), names.end()}; }

TEST(SharedNames, ATabStoresOnlyTheBoxesChangedThereAndTakesTheRestFromTheStore)
{
    Tab a;
    Tab b;
    a.controls.texts["Text1"] = "Оля";
    b.controls.texts["Text3"] = "Нина";
    const LinesRead afterB = Lines(MergeNamesToStore(b.controls, b.shared, Stored));
    EXPECT_EQ(afterB, (LinesRead{"Аня", "Борис", "Нина", "Глеб"}));
    const LinesRead afterA = Lines(MergeNamesToStore(a.controls, a.shared, afterB));
    EXPECT_EQ(afterA, (LinesRead{"Оля", "Борис", "Нина", "Глеб"}));
    EXPECT_EQ(a.controls.texts["Text3"], "Нина") << "the unchanged box took the stored name";

    // Saving again with nothing changed writes back what is stored, never the older name.
    const LinesRead third = {"Оля", "Дима", "Нина", "Глеб"};
    EXPECT_EQ(Lines(MergeNamesToStore(a.controls, a.shared, third)), third);
}

TEST(SharedNames, AStoreChangedElsewhereReachesOnlyTheBoxesNotChangedHere)
{
    Tab a;
    a.controls.texts["Text2"] = "Пётр"; // typed here, not saved yet
    TakeStoredNames(a.controls, a.shared, {"Оля", "Дима", "Вера", "Глеб"});
    EXPECT_EQ(a.controls.texts["Text1"], "Оля");
    EXPECT_EQ(a.controls.texts["Text2"], "Пётр");
    EXPECT_EQ(Lines(MergeNamesToStore(a.controls, a.shared, {"Оля", "Дима", "Вера", "Глеб"})),
        (LinesRead{"Оля", "Пётр", "Вера", "Глеб"}));

    // A damaged or emptied store leaves the boxes, and the next save writes all four.
    for (const LinesRead &damaged : {LinesRead{}, LinesRead{"a", "b", "c"}, LinesRead{""}}) {
        TakeStoredNames(a.controls, a.shared, damaged);
        EXPECT_EQ(a.controls.texts["Text1"], "Оля");
        EXPECT_EQ(Lines(MergeNamesToStore(a.controls, a.shared, damaged)), (LinesRead{"Оля", "Пётр", "Вера", "Глеб"}));
    }
}

} // namespace
} // namespace zarvel::test

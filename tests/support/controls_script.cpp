#include "controls_script.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

namespace zarvel::test {

namespace {

std::vector<std::string> Fields(const std::string &line)
{
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');)
        fields.push_back(field);
    fields.resize(3);
    return fields;
}

} // namespace

void RunControlsScript(Controls &controls, const ControlsView &view)
{
    std::ifstream script(ZARVEL_TEST_DATA "/controls_script.tsv");
    ASSERT_TRUE(script) << "no controls script in " ZARVEL_TEST_DATA;
    std::map<std::string, int> itemsAtStart;
    std::string textBefore;
    std::uint64_t versionBefore = 0;
    int number = 0;
    int unheard = 0;
    for (std::string line; std::getline(script, line);) {
        ++number;
        if (line.empty() || line[0] == '#')
            continue;
        const std::vector<std::string> f = Fields(line);
        const std::string &op = f[0];
        const std::string &control = f[1];
        const std::string &arg = f[2];
        SCOPED_TRACE("controls_script.tsv:" + std::to_string(number) + ": " + line);
        if (op == "setVisible") {
            controls.SetVisible(control, arg == "1");
        } else if (op == "copyPicture") {
            controls.CopyPicture(control, arg);
        } else if (op == "setCaption") {
            controls.SetCaption(control, arg);
        } else if (op == "setText") {
            textBefore = controls.Text(control);
            versionBefore = controls.TextVersion(control);
            controls.SetText(control, arg);
        } else if (op == "announce") {
            controls.Announce(control, arg);
        } else if (op == "appendItem") {
            itemsAtStart.try_emplace(control, view.Items(control));
            textBefore = controls.Text(control);
            controls.AppendItem(control, arg);
        } else if (op == "seen") {
            EXPECT_EQ(view.Seen(control), arg == "1");
        } else if (op == "samePicture") {
            EXPECT_TRUE(view.SamePicture(control, arg));
        } else if (op == "caption") {
            EXPECT_EQ(view.Caption(control), arg);
        } else if (op == "text") {
            EXPECT_EQ(controls.Text(control), arg);
        } else if (op == "versionChanged") {
            EXPECT_EQ(controls.TextVersion(control) != versionBefore, arg == "1");
        } else if (op == "textKept") {
            EXPECT_EQ(controls.Text(control), textBefore);
        } else if (op == "told") {
            if (view.HearsTold())
                EXPECT_EQ(view.Told(control), arg);
            else
                ++unheard;
        } else if (op == "items") {
            EXPECT_EQ(view.Items(control) - itemsAtStart[control], std::stoi(arg));
        } else {
            ADD_FAILURE() << "no such operation or check: " << op;
        }
    }
    EXPECT_GT(number, 40) << "the script was cut short";
    if (unheard > 0)
        std::printf(
            "[   NOTE   ] %d checks of what screen readers are told left out: accessibility is off here\n", unheard);
}

} // namespace zarvel::test

#include "model/dropped_button_check.h"
#include "platform/profile_file.h"

#include <gtest/gtest.h>

namespace {

struct DroppedCase {
    const char* section; // the keys of [Button#1]
    const char* key;     // empty: the load keeps it, or it holds no button
    const char* message;
};

const DroppedCase Cases[] = {
    {"Action=CLOSE\r\nLeft=0\r\ntop=0\r\nWidth=0\r\nHeight=0\r\n", "Width",
     "[Button#1] is dropped when the project loads: width 0, height 0"},
    {"Action=CLOSE\r\nLeft=0\r\ntop=-5\r\nWidth=10\r\nHeight=10\r\n", "top",
     "[Button#1] is dropped when the project loads: left 0, top -5"},
    {"Name=Draft\r\nLeft=0\r\ntop=0\r\nWidth=10\r\n", "Height",
     "[Button#1] is dropped when the project loads: width 10, height -1, no action"},
    {"Action=CLOSE\r\nLeft=0\r\ntop=0\r\nWidth=10\r\nHeight=10\r\n", "", ""},
    {"SoundOver=a.wav\r\n", "", ""},
};

TEST(DroppedButtonCheck, NamesEachSectionTheLoadDropsAndWhy)
{
    for (const DroppedCase& c : Cases) {
        ProfileFile ini;
        ini.Parse(QByteArray("[Button#1]\r\n") + c.section);
        const CheckFindings findings = DroppedButtonFindings(ini);
        if (*c.key == '\0') {
            EXPECT_TRUE(findings.isEmpty()) << c.section;
            continue;
        }
        ASSERT_EQ(findings.size(), 1) << c.section;
        EXPECT_EQ(findings[0], (CheckFinding{CheckFinding::Severity::Warning, "Button#1", c.key, c.message}));
    }
}

} // namespace

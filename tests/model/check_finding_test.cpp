#include "model/check_finding.h"

#include <gtest/gtest.h>

namespace {

TEST(CheckFinding, ALineBreakInAFileNameStaysOnTheFindingsLine)
{
    const CheckFinding finding{CheckFinding::Severity::Warning, {}, QStringLiteral("pics\\a\nb\r.bmp"),
                               QStringLiteral("not named by the project\x01")};
    EXPECT_EQ(finding.Line(), QStringLiteral("warning pics\\a\\nb\\r.bmp: not named by the project\\x01"));
}

} // namespace

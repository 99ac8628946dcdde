#include "model/check_finding_target.h"
#include "model/menu_project.h"

#include <gtest/gtest.h>

namespace {

using Kind = CheckFindingTarget::Kind;

CheckFindingTarget TargetOf(const QString& section, const QString& key)
{
    return CheckFindingTarget::Of(CheckFinding{CheckFinding::Severity::Error, section, key, QStringLiteral("x")});
}

CheckFindingTarget Page(int page) { return {Kind::ParamsPage, -1, page}; }

TEST(CheckFindingTarget, AButtonsFindingGoesToItsSlotWhateverTheKey)
{
    EXPECT_EQ(TargetOf("Button#0", "Action"), (CheckFindingTarget{Kind::Button, 0}));
    EXPECT_EQ(TargetOf("Button#17", "LoadInfo"), (CheckFindingTarget{Kind::Button, 17}));
    EXPECT_EQ(TargetOf("Button#99", "top"), (CheckFindingTarget{Kind::Button, 99}));
}

TEST(CheckFindingTarget, ASlotNumberOutsideTheTableLeadsNowhere)
{
    EXPECT_EQ(TargetOf(QStringLiteral("Button#%1").arg(MenuProject::SlotCount), "Left").What, Kind::None);
    EXPECT_EQ(TargetOf("Button#-1", "Left").What, Kind::None);
    EXPECT_EQ(TargetOf("Button#x", "Left").What, Kind::None);
    EXPECT_EQ(TargetOf("Button#", "Left").What, Kind::None);
}

TEST(CheckFindingTarget, ProgramFilesOpenTheParametersPageThatHoldsThem)
{
    EXPECT_EQ(TargetOf("MAIN", "IconFile"), Page(CheckFindingTarget::ProgramPage));
    for (const char* key : {"background", "backover", "backclick"})
        EXPECT_EQ(TargetOf("MAIN", key), Page(CheckFindingTarget::BackgroundsPage)) << key;
    for (const char* key : {"SoundOver", "SoundClick", "OnLoadSound"})
        EXPECT_EQ(TargetOf("MAIN", key), Page(CheckFindingTarget::SoundsPage)) << key;
    EXPECT_EQ(TargetOf("TextInfo", "DefaultFile"), Page(CheckFindingTarget::DefaultsPage));
    // INI names are read without regard to case.
    EXPECT_EQ(TargetOf("main", "BACKGROUND"), Page(CheckFindingTarget::BackgroundsPage));
}

TEST(CheckFindingTarget, ShapeFindingsOpenTheShapeWindowAndAutorunOnesTheWizard)
{
    EXPECT_EQ(TargetOf("MAIN", "CustomShape").What, Kind::ShapeWindow);
    EXPECT_EQ(TargetOf("CustomPoints", "x3").What, Kind::ShapeWindow);
    EXPECT_EQ(TargetOf("autorun", "open").What, Kind::AutorunWizard);
}

TEST(CheckFindingTarget, DiscNamesAndTheTextAreaPlaceLeadNowhere)
{
    EXPECT_EQ(TargetOf("", "sounds/a very long name.wav"), CheckFindingTarget{});
    EXPECT_EQ(TargetOf("", "launcher.ini").What, Kind::None);
    EXPECT_EQ(TargetOf("TextInfo", "Left").What, Kind::None);
    EXPECT_EQ(TargetOf("MAIN", "SizeX").What, Kind::None);
    EXPECT_EQ(TargetOf("Unknown", "Key").What, Kind::None);
}

TEST(CheckFindingSummary, CountsErrorsAndWarningsInWords)
{
    const auto finding = [](CheckFinding::Severity level) { return CheckFinding{level, "MAIN", "background", "m"}; };
    const CheckFinding error = finding(CheckFinding::Severity::Error);
    const CheckFinding warning = finding(CheckFinding::Severity::Warning);
    EXPECT_EQ(CheckSummary({}), QStringLiteral("No problems found"));
    EXPECT_EQ(CheckSummary({error}), QStringLiteral("1 error"));
    EXPECT_EQ(CheckSummary({warning, warning, warning}), QStringLiteral("3 warnings"));
    EXPECT_EQ(CheckSummary({error, warning, error}), QStringLiteral("2 errors, 1 warning"));
    EXPECT_EQ(CheckSummary({warning, error, warning}), QStringLiteral("1 error, 2 warnings"));
}

TEST(CheckFindingSummary, WhereNamesSectionAndKeyOrOnlyThePath)
{
    EXPECT_EQ((CheckFinding{CheckFinding::Severity::Error, "Button#3", "Params", "m"}.Where()),
              QStringLiteral("[Button#3] Params"));
    EXPECT_EQ((CheckFinding{CheckFinding::Severity::Warning, "", "help/a.rtf", "m"}.Where()),
              QStringLiteral("help/a.rtf"));
}

} // namespace

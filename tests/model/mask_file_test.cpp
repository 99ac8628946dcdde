#include "model/mask_file.h"

#include "model/plasma_region.h"
#include "platform/file_operations.h"
#include "platform/vyx_error.h"
#include "support/failing_file_operations.h"
#include "support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class MaskFileTest : public ::testing::Test {
protected:
    MaskFileTest()
    {
        const Region region = Region::FromRect(0, 0, 2, 2).United(Region::FromRect(3, 0, 4, 2));
        m_plasma.AssignRegion(&region);
    }
    QString ErrorOf(const QString& iniName)
    {
        try {
            SaveMaskFile(m_plasma, iniName);
        } catch (const VyxError& e) {
            return e.Message();
        }
        return QString();
    }

    TempFolder m_dir;
    TPlasmaRegion m_plasma;
};

TEST_F(MaskFileTest, TheMaskIsNamedAfterTheIniFile)
{
    EXPECT_EQ(MaskFile::NameFor(QStringLiteral("/cd/menu.ini")), QStringLiteral("/cd/menu.msk"));
    EXPECT_EQ(MaskFile::NameFor(QStringLiteral("C:\\CD\\launcher.ini")), QStringLiteral("C:\\CD\\launcher.msk"));
    EXPECT_EQ(MaskFile::NameFor(QStringLiteral("/cd.v2/launcher")), QStringLiteral("/cd.v2/launcher.msk"));
}

TEST_F(MaskFileTest, SavingWritesTheRegionDataBesideTheProject)
{
    m_dir.Write("menu.ini", "[MAIN]\r\n");
    EXPECT_TRUE(SaveMaskFile(m_plasma, m_dir.File("menu.ini")));
    EXPECT_EQ(m_dir.Read("menu.msk"), m_plasma.Current().Data());
    EXPECT_EQ(m_dir.Read("menu.msk").size(), 64);
    EXPECT_EQ(QDir(m_dir.Path()).entryList(QDir::Files), (QStringList{"menu.ini", "menu.msk"}));
}

TEST_F(MaskFileTest, NoRegionWritesNothingAndKeepsTheOldMask)
{
    m_dir.Write("menu.msk", "old mask");
    EXPECT_FALSE(SaveMaskFile(TPlasmaRegion(), m_dir.File("menu.ini")));
    EXPECT_EQ(m_dir.Read("menu.msk"), QByteArray("old mask"));
}

TEST_F(MaskFileTest, AProjectFileEndingInMskIsNeverOverwritten)
{
    m_dir.Write("menu.MSK", "[MAIN]\r\n");
    EXPECT_TRUE(ErrorOf(m_dir.File("menu.MSK")).contains("itself ends in \".msk\""));
    EXPECT_EQ(m_dir.Read("menu.MSK"), QByteArray("[MAIN]\r\n"));
    EXPECT_FALSE(m_dir.Exists("menu.msk"));
}

TEST_F(MaskFileTest, AFailedWriteKeepsTheOldMask)
{
    using Step = FailingFileOperations::Step;
    for (const Step step : {Step::Create, Step::Write, Step::Sync, Step::Close, Step::Replace}) {
        m_dir.Write("menu.msk", "old mask");
        {
            FailingFileOperations files(step, ENOSPC);
            EXPECT_EQ(ErrorOf(m_dir.File("menu.ini")).section(u'\n', 0, 0),
                      QStringLiteral("Cannot create file %1").arg(m_dir.File("menu.msk")));
        }
        EXPECT_EQ(m_dir.Read("menu.msk"), QByteArray("old mask"));
        EXPECT_EQ(QDir(m_dir.Path()).entryList(QDir::Files), QStringList{"menu.msk"}) << "no temporary file is left; step " << int(step);
    }
}

TEST_F(MaskFileTest, AMissingFolderIsReported)
{
    EXPECT_EQ(ErrorOf(m_dir.File("gone/menu.ini")),
              QStringLiteral("Cannot create file %1\nUnable to write to %1: %2")
                  .arg(m_dir.File("gone/menu.msk"), FileErrorText(ENOENT)));
}

} // namespace

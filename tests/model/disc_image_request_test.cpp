// What a disc image is made of, settled before xorriso runs.
#include "model/disc_image_request.h"
#include "platform/vyx_error.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class DiscImageRequestTest : public ::testing::Test {
protected:
    DiscImageRequestTest()
    {
        QDir(dir.Path()).mkpath("my cd/Player");
        QDir(dir.Path()).mkpath("my cd2");
    }
    DiscImageRequest Request(const QString& image) const { return {dir.File("my cd"), image, {}, {}}; }

    TempFolder dir;
};

TEST_F(DiscImageRequestTest, PlacesBecomeAbsoluteAndTheLabelComesFromTheRoot)
{
    DiscImageRequest request = Request(dir.File("out/../disc.iso"));
    request.CheckPlaces();
    EXPECT_EQ(request.CdRoot, dir.File("my cd/"));
    EXPECT_EQ(request.ImageFile, dir.File("disc.iso"));
    EXPECT_EQ(request.Volume, QStringLiteral("MY_CD"));
    request.Volume = QStringLiteral("OWN");
    request.CheckPlaces();
    EXPECT_EQ(request.Volume, QStringLiteral("OWN"));
}

TEST_F(DiscImageRequestTest, AnImageInsideTheRootIsRefusedButABrotherFolderIsNot)
{
    DiscImageRequest inside = Request(dir.File("my cd/Player/disc.iso"));
    EXPECT_THROW(inside.CheckPlaces(), VyxError);
    DiscImageRequest brother = Request(dir.File("my cd2/disc.iso"));
    EXPECT_NO_THROW(brother.CheckPlaces());
    ASSERT_TRUE(QFile::link(dir.File("my cd/Player"), dir.File("link")));
    DiscImageRequest throughLink = Request(dir.File("link/disc.iso"));
    EXPECT_THROW(throughLink.CheckPlaces(), VyxError);
    DiscImageRequest missing{dir.File("gone"), dir.File("disc.iso"), {}, {}};
    EXPECT_THROW(missing.CheckCdRoot(), VyxError);
    EXPECT_THROW(DiscImageRequest().CheckCdRoot(), VyxError);
}

TEST_F(DiscImageRequestTest, TheNamedProjectComesBeforeTheOneAutorunNames)
{
    DiscImageRequest request = Request(dir.File("disc.iso"));
    request.CheckPlaces();
    EXPECT_EQ(request.ProjectFile(), std::nullopt);
    dir.Write("my cd/autorun.inf", "[autorun]\r\nopen=Player\\launcher.exe /x\r\n");
    EXPECT_EQ(request.ProjectFile(), dir.File("my cd/Player/launcher.ini"));
    request.IniFile = dir.File("other.ini");
    EXPECT_EQ(request.ProjectFile(), dir.File("other.ini"));
}

} // namespace

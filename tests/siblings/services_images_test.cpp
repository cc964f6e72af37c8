// The attachments of an entity: the record, its stored copy, and opening.
#include <gtest/gtest.h>

#include <filesystem>

#include "siblings/files/image_files.h"
#include "siblings/services/services.h"
#include "support/test_session.h"

using namespace vtl;
using namespace vtl::services;
namespace fs = std::filesystem;

TEST(UpdateImages, KindsComeFromTheExtension) {
    EXPECT_EQ(imageTypeOf("C:\\Docs\\Quote.PDF"), "PDF");
    EXPECT_EQ(imageTypeOf("scan.tiff"), "Bitmap");
    EXPECT_EQ(imageTypeOf("photo.Jpeg"), "Bitmap");
    EXPECT_EQ(imageTypeOf("letter.docx"), "DOC");
    EXPECT_EQ(imageTypeOf("deck.pptx"), "PPT");
    EXPECT_EQ(imageTypeOf("notes.txt"), "TXT");
    EXPECT_EQ(imageTypeOf("sheet.xlsx"), "XL");
    EXPECT_EQ(imageTypeOf("page.html"), "WebPage");
    EXPECT_EQ(imageTypeOf("archive.zip"), "Other");
    EXPECT_EQ(imageTypeOf("folder.d/README"), "Other");
    EXPECT_EQ(fileNameOf("C:\\Docs\\Quote.PDF"), "Quote.PDF");
}

TEST(UpdateImages, AttachCaptionDeleteAndOpen) {
    test::TestSession t;
    t.dir.write("Quote.pdf", "%PDF quote");
    UpdateImages images(*t, "POMaster", 7);
    t.ui.expectOpenFile(kAttachTitle, kAttachFilter).answer(t.dir.file("Quote.pdf"));
    ASSERT_TRUE(images.insert());
    ASSERT_EQ(images.rowCount(), 1);
    const Images rec = images.image(0);
    EXPECT_EQ(rec.Type.clip(), "POMaster");
    EXPECT_EQ(rec.NumericID, 7u);
    EXPECT_EQ(rec.Caption.clip(), "Quote.pdf");
    EXPECT_EQ(rec.ImageType.clip(), "PDF");
    EXPECT_FALSE(rec.FileDate.isNull()) << "dated with the file's date";
    auto stored = siblings::storedImagePath(t.folder, rec.ImageID);
    ASSERT_TRUE(stored);
    EXPECT_EQ(t.dir.read("data/attachments/" + fs::path(*stored).filename().string()), "%PDF quote");

    EXPECT_TRUE(images.changeCaption(0, " Supplier quote "));
    EXPECT_EQ(images.image(0).Caption.clip(), "Supplier quote");

    // The original still exists: it opens as it is.
    EXPECT_TRUE(images.open(0));
    ASSERT_EQ(t.ui.openedExternally().size(), 1u);
    EXPECT_EQ(t.ui.openedExternally()[0], t.dir.file("Quote.pdf"));
    // Once it is gone, the stored copy opens from a temporary folder.
    fs::remove(t.dir.file("Quote.pdf"));
    EXPECT_TRUE(images.open(0));
    ASSERT_EQ(t.ui.openedExternally().size(), 2u);
    const std::string copy = t.ui.openedExternally()[1];
    EXPECT_EQ(fs::path(copy).extension(), ".pdf") << "the desktop picks its program by the extension";
    EXPECT_NE(copy.find("vantrel-attachments"), std::string::npos);
    EXPECT_TRUE(fs::exists(copy));

    t.ui.expectAsk(kConfirmDeleteText, kConfirmDeleteTitle, "&Yes|&No", ui::Icon::Question).answer(1);
    EXPECT_TRUE(images.remove(0));
    EXPECT_EQ(images.rowCount(), 0);
    EXPECT_FALSE(siblings::storedImagePath(t.folder, rec.ImageID)) << "the stored copy goes with the record";
    EXPECT_EQ(store::Table<Images>(t.store()).count(), 0);
    EXPECT_TRUE(images.changed());
    fs::remove(copy);
}

TEST(UpdateImages, AMissingFileAttachesNothing) {
    test::TestSession t;
    UpdateImages images(*t, "POMaster", 7);
    const std::string missing = t.dir.file("gone.pdf");
    t.ui.expectTell("The file " + missing + " cannot be found.", "Attach a File", ui::Icon::Exclamation);
    EXPECT_FALSE(images.attach(missing));
    EXPECT_EQ(store::Table<Images>(t.store()).count(), 0);
}

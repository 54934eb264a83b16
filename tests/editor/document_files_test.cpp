// The document's file state around loading and saving: the path, the modified flag and
// the undo, and what a failure leaves.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "editor/commands.h"
#include "editor/document.h"
#include "editor/side_controls.h"
#include "editor/view_state.h"
#include "support/document_setup.h"
#include "support/scratch_dir.h"

namespace tvk {
namespace {

using test::PlanBuilder;

// A modified document with something to undo.
Document EditedDocument() {
  Document doc(PlanBuilder(1, 4, 4).b);
  EditRequest edit;
  edit.category = Category::Column;
  edit.editMode = EditMode::Place;
  edit.rect = GridRect{2, 2, 2, 2};
  doc.apply(PlanEditCommand(edit));
  return doc;
}

TEST(DocumentFiles, SaveAsTakesThePathAndClearsModified) {
  test::ScratchDir dir;
  Document doc = EditedDocument();
  ASSERT_TRUE(doc.saveAs(dir.file("house.TVK")).ok);
  EXPECT_EQ(doc.path(), dir.file("house.TVK"));
  EXPECT_FALSE(doc.modified());
  EXPECT_TRUE(doc.canUndo());  // a save takes nothing back
  EXPECT_EQ(test::ReadBytes(doc.path()), SerializeProject(doc.building()).bytes);
}

TEST(DocumentFiles, ANeverSavedDocumentIsNotWrittenBySave) {
  Document doc = EditedDocument();
  EXPECT_TRUE(doc.save().ok);
  EXPECT_TRUE(doc.modified());
  EXPECT_TRUE(doc.neverSaved());
}

TEST(DocumentFiles, FailedWritesKeepModifiedAndThePath) {
  test::ScratchDir dir;
  test::WriteBytes(dir.file("plain"), "x");
  test::WriteBytes(dir.file("locked.TVK"), "old");
  ASSERT_EQ(chmod(dir.file("locked.TVK").c_str(), 0444), 0);
  for (const std::string& path : {dir.file("missing/house.TVK"), dir.file("plain/house.TVK"), dir.file("locked.TVK")}) {
    Document doc = EditedDocument();
    EXPECT_FALSE(doc.saveAs(path).ok) << path;
    EXPECT_TRUE(doc.modified()) << path;
    EXPECT_TRUE(doc.neverSaved()) << path;
  }
  EXPECT_EQ(test::ReadBytes(dir.file("locked.TVK")), "old");
}

TEST(DocumentFiles, UnsavableTextKeepsModifiedAndTheFile) {
  test::ScratchDir dir;
  Document doc = EditedDocument();
  ASSERT_TRUE(doc.saveAs(dir.file("keep.TVK")).ok);
  const std::string saved = test::ReadBytes(dir.file("keep.TVK"));
  doc.apply(OutlineCommand({"家😀", "", "", false, false}));
  EXPECT_FALSE(doc.save().ok);
  EXPECT_TRUE(doc.modified());
  EXPECT_EQ(test::ReadBytes(dir.file("keep.TVK")), saved);
}

TEST(DocumentFiles, LoadingReplacesEverythingAndAFailureNothing) {
  test::ScratchDir dir;
  Document saved = EditedDocument();
  ASSERT_TRUE(saved.saveAs(dir.file("house.TVK")).ok);
  test::WriteBytes(dir.file("zero.TVK"), std::string(300, '\0'));

  Document doc = EditedDocument();
  doc.apply(OutlineCommand({"open", "", "", false, false}));
  for (const std::string& bad : {dir.file("none.TVK"), dir.file("zero.TVK")}) {
    EXPECT_FALSE(doc.load(bad).ok) << bad;
    EXPECT_EQ(doc.building().Info.BuildingName, "open");
    EXPECT_TRUE(doc.modified());
    EXPECT_TRUE(doc.canUndo());
    EXPECT_TRUE(doc.neverSaved());
  }
  ASSERT_TRUE(doc.load(dir.file("house.TVK")).ok);
  EXPECT_EQ(doc.path(), dir.file("house.TVK"));
  EXPECT_FALSE(doc.modified());
  EXPECT_FALSE(doc.canUndo());
  EXPECT_EQ(doc.building().Point(2, 2, 1).Column.ColKind, ColumnKind::Storey);
}

}  // namespace
}  // namespace tvk

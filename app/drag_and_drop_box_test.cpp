#include "app/drag_and_drop_box.hpp"

#include "platform/desktop/stored_controls.hpp"
#include "tests/support/temp_folder.hpp"

#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace vigil::app {
namespace {

using desktop::FilenamesDrag;

class RecordingView : public BoxView {
 public:
  void registerForDraggedTypes(const std::vector<std::string> &types) override { registered = types; }
  void unregisterDraggedTypes() override { registered.clear(); }
  void display() override { ++redraws; }
  std::vector<std::string> registered;
  int redraws = 0;
};

class MapDefaults : public desktop::UserDefaults {
 public:
  void setObjectForKey(std::string_view value, std::string_view key) override {
    values[std::string(key)] = std::string(value);
  }
  std::optional<std::string> stringForKey(std::string_view key) const override {
    const auto found = values.find(std::string(key));
    if (found == values.end()) return std::nullopt;
    return found->second;
  }
  std::map<std::string, std::string> values;
};

class RecordingDelegate : public DragAndDropBoxDelegate {
 public:
  void filesDropped(DragAndDropBox *, const std::vector<std::string> &paths) override {
    calls.push_back(paths);
  }
  std::vector<std::vector<std::string>> calls;
};

// One box with its view, text field and delegate.
struct Box {
  explicit Box(MapDefaults &defaults, desktop::NotificationCenter &center)
      : box(view, &defaults, center) {
    box.awakeFromNib();
    box.setTextField(&field);
    box.setDelegate(&delegate);
  }
  RecordingView view;
  desktop::StoredTextField field;
  RecordingDelegate delegate;
  DragAndDropBox box;
};

class DragAndDropBoxTest : public ::testing::Test {
 protected:
  testing::TempFolder temp;
  MapDefaults defaults;
  desktop::NotificationCenter center;
};

TEST_F(DragAndDropBoxTest, DroppingAFolderFillsTheFieldThePreferencesAndOtherBoxes) {
  Box first(defaults, center), second(defaults, center);
  EXPECT_EQ(first.view.registered, std::vector<std::string>{desktop::kFilenamesPboardType});
  for (Box *box : {&first, &second}) box->box.setNotificationName("PathChanged", "path", "lastFolder");
  int posts = 0;
  center.addObserver(&posts, [&](const desktop::Notification &) { ++posts; }, "PathChanged", nullptr);

  const std::string folder = temp.Folder("dropped");
  first.field.setTextColor(desktop::TextColor::kRed);
  FilenamesDrag drag({folder});
  EXPECT_EQ(first.box.draggingEntered(drag), desktop::kDragOperationGeneric);
  EXPECT_TRUE(first.box.isHilited());
  EXPECT_EQ(first.box.draggingUpdated(drag), desktop::kDragOperationCopy);
  EXPECT_TRUE(first.box.performDragOperation(drag));
  first.box.concludeDragOperation(drag);

  EXPECT_FALSE(first.box.isHilited());
  EXPECT_EQ(first.field.stringValue(), folder);
  EXPECT_EQ(first.field.textColor(), desktop::TextColor::kBlack);
  EXPECT_EQ(defaults.values["lastFolder"], folder);
  EXPECT_EQ(second.field.stringValue(), folder) << "the other box follows";
  EXPECT_EQ(posts, 1) << "the other box does not post again";
  EXPECT_EQ(first.delegate.calls, (std::vector<std::vector<std::string>>{{folder}}));
  EXPECT_EQ(second.delegate.calls.size(), 1u);
  EXPECT_EQ(first.view.redraws, 2);
  center.removeObserver(&posts, "", nullptr);
}

TEST_F(DragAndDropBoxTest, AFileBecomesItsFolderOnlyWithUseParent) {
  const std::string file = temp.File("in/doc.txt");
  for (bool useParent : {true, false}) {
    Box box(defaults, center);
    box.box.setUseParentForDraggedFiles(useParent);
    FilenamesDrag drag({file});
    box.box.concludeDragOperation(drag);
    EXPECT_EQ(box.field.stringValue(), useParent ? temp / "in" : file);
    EXPECT_EQ(box.delegate.calls.at(0), std::vector<std::string>{file}) << "the delegate gets the file";
  }
  // A path that names nothing counts as not a folder.
  Box box(defaults, center);
  box.box.setUseParentForDraggedFiles(true);
  box.box.concludeDragOperation(FilenamesDrag({"/no/such/thing"}));
  EXPECT_EQ(box.field.stringValue(), "/no/such");
}

TEST_F(DragAndDropBoxTest, TwoItemsAreRefusedOnEntryButADropTakesTheFirst) {
  Box box(defaults, center);
  const std::string a = temp.Folder("a"), b = temp.Folder("b");
  FilenamesDrag drag({a, b});
  EXPECT_EQ(box.box.draggingEntered(drag), desktop::kDragOperationNone);
  EXPECT_EQ(box.box.draggingEntered(FilenamesDrag({})), desktop::kDragOperationGeneric);
  box.box.concludeDragOperation(drag);
  EXPECT_EQ(box.field.stringValue(), a);
  EXPECT_EQ(box.delegate.calls.at(0), (std::vector<std::string>{a, b}));
  // An empty drop hands nothing on and still ends the highlight.
  box.box.draggingEntered(FilenamesDrag({}));
  box.box.concludeDragOperation(FilenamesDrag({}));
  EXPECT_EQ(box.field.stringValue(), a);
  EXPECT_FALSE(box.box.isHilited());
}

TEST_F(DragAndDropBoxTest, SetPathNotifiesOnlyWhenAskedButAlwaysStoresAndTellsTheDelegate) {
  Box first(defaults, center), second(defaults, center);
  first.box.setNotificationName("N", "k", "pref");
  second.box.setNotificationName("N", "k", std::nullopt);
  first.box.setPath("/quiet", false);
  EXPECT_EQ(second.field.stringValue(), "");
  EXPECT_EQ(defaults.values["pref"], "/quiet");
  EXPECT_EQ(first.delegate.calls.size(), 1u);
  first.box.setPath("/loud");
  EXPECT_EQ(second.field.stringValue(), "/loud");
}

TEST_F(DragAndDropBoxTest, NotificationSettingsNeedBothNameAndKeyAndObserveOnce) {
  Box first(defaults, center), second(defaults, center);
  first.box.setNotificationName("N", std::nullopt, "pref");
  EXPECT_EQ(center.observationCount(&first.box), 0u) << "a name without a key changes nothing";
  first.box.setNotificationName("N", "k", std::nullopt);
  first.box.setNotificationName("N", "k", std::nullopt);
  EXPECT_EQ(center.observationCount(&first.box), 1u);
  second.box.setNotificationName("N", "k", std::nullopt);
  int delivered = 0;
  first.box.setDelegate(nullptr);
  center.addObserver(&delivered, [&](const desktop::Notification &) { ++delivered; }, "N", nullptr);
  second.box.setPath("/x");
  EXPECT_EQ(first.field.stringValue(), "/x");
  EXPECT_EQ(delivered, 1);
  center.removeObserver(&delivered, "", nullptr);
}

TEST_F(DragAndDropBoxTest, TeardownStopsObservingAndUnregisters) {
  RecordingView view;
  {
    DragAndDropBox box(view, &defaults, center);
    box.awakeFromNib();
    box.setNotificationName("N", "k", "p");
    EXPECT_EQ(center.observationCount(&box), 1u);
  }
  EXPECT_TRUE(view.registered.empty());
  center.postNotificationName("N", nullptr, {{"k", "/after"}});  // must reach no freed box
}

TEST(UriList, LocalFileUrisBecomePaths) {
  const std::string list =
      "# a comment\r\nfile:///home/me/My%20Folder\r\nfile://localhost/tmp/a%2Fb\r\n"
      "http://example.com/x\r\nfile://otherhost/etc\r\nfile:///bad%zz\r\nfile:///nul%00\r\n"
      "file:/short/form\n";
  EXPECT_EQ(desktop::PathsFromUriList(list),
            (std::vector<std::string>{"/home/me/My Folder", "/tmp/a/b", "/short/form"}));
}

}  // namespace
}  // namespace vigil::app

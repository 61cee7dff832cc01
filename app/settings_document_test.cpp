#include "app/document_settings.hpp"
#include "app/document_test_services.hpp"
#include "app/my_document.hpp"
#include "app/stored_window.hpp"
#include "platform/desktop/typedstream_reader.hpp"
#include "platform/desktop/typedstream_writer.hpp"
#include "platform/desktop/virtual_run_loop.hpp"
#include "tests/support/temp_folder.hpp"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

namespace vigil::app {
namespace {

// A document in a window, as the document machinery makes one.
struct OpenDocument {
  explicit OpenDocument(TestServices &services) : document(services) {
    document.connectOutlets(window.outlets());
  }
  // Opens a file into the document and loads its window.
  std::optional<std::string> open(const std::string &path) {
    auto error = document.readFromFile(path);
    document.windowControllerDidLoadNib(&window);
    return error;
  }
  StoredWindow window;
  MyDocument document;
};

std::string Contents(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class SettingsDocumentTest : public ::testing::Test {
 protected:
  testing::TempFolder temp;
  TestServices services;
};

TEST_F(SettingsDocumentTest, EveryKeyComesBackAfterSaveAndReopen) {
  const std::string path = temp / "all.vigil";
  {
    OpenDocument saved(services);
    StoredWindow &w = saved.window;
    w.sendEMail.setState(1);
    w.beep.setState(1);
    w.revealTarget.setState(1);
    w.checkItemCount.setState(0);
    w.checkModificationDate.setState(1);
    w.stopChecking.setState(1);
    w.openFiles.setState(1);
    w.startWhenOpened.setState(0);
    w.intervalUnits.selectItemAtIndex(2);
    w.interval.setStringValue("3");
    w.eMailAddress.setStringValue("ops@example.org");
    w.eMailMessage.setStringValue("D\u00e9j\u00e0 vu\nline two");
    w.folderPath.setStringValue("/srv/watched folder");
    w.openFilePath1.setStringValue("/a/one.txt");
    w.openFilePath2.setStringValue("/b/two.txt");
    ASSERT_FALSE(saved.document.saveDocumentAs(path));
    EXPECT_EQ(saved.document.displayName(), "all");
  }
  OpenDocument reopened(services);
  ASSERT_FALSE(reopened.open(path));
  const StoredWindow &w = reopened.window;
  EXPECT_EQ(w.sendEMail.state(), 1);
  EXPECT_EQ(w.beep.state(), 1);
  EXPECT_EQ(w.revealTarget.state(), 1);
  EXPECT_EQ(w.checkItemCount.state(), 0);
  EXPECT_EQ(w.checkModificationDate.state(), 1);
  EXPECT_EQ(w.stopChecking.state(), 1);
  EXPECT_EQ(w.openFiles.state(), 1);
  EXPECT_EQ(w.startWhenOpened.state(), 0);
  EXPECT_EQ(w.intervalUnits.indexOfSelectedItem(), 2);
  EXPECT_EQ(w.interval.stringValue(), "3");
  EXPECT_EQ(w.eMailAddress.stringValue(), "ops@example.org");
  EXPECT_EQ(w.eMailMessage.stringValue(), "D\u00e9j\u00e0 vu\nline two");
  EXPECT_EQ(w.folderPath.stringValue(), "/srv/watched folder");
  EXPECT_EQ(w.openFilePath1.stringValue(), "/a/one.txt");
  EXPECT_EQ(w.openFilePath2.stringValue(), "/b/two.txt");
  EXPECT_FALSE(reopened.document.isRunning());
  EXPECT_FALSE(reopened.document.isDocumentEdited());
}

TEST_F(SettingsDocumentTest, SavingAppliesTheIntervalsLowerBound) {
  OpenDocument document(services);
  document.window.interval.setStringValue("0.5");
  const auto settings = Unarchive(document.document.makeSettingsDataRepresentation());
  ASSERT_TRUE(settings);
  EXPECT_EQ(std::get<std::string>(*settings->Find(kCheckTimeIntervalTextFieldKey)), "1");
  EXPECT_EQ(document.window.interval.stringValue(), "1");
  EXPECT_EQ(settings->size(), 15u);
}

TEST_F(SettingsDocumentTest, MissingKeysKeepTheLayoutsValues) {
  ArchivedDictionary partial;
  partial.Set(kBeepCheckBoxKey, 1);
  partial.Set(kOpenFilePath1TextFieldKey, std::string("/first"));
  partial.Set(kCheckTimeIntervalUnitsPopupKey, std::string("2"));  // a string where a number goes
  partial.Set(kCheckTimeIntervalTextFieldKey, 45);                 // a number where text goes
  const auto bytes = Archive(partial);
  const std::string path = temp.File("partial.vigil", std::string(bytes.begin(), bytes.end()));
  OpenDocument opened(services);
  opened.window.openFilePath2.setStringValue("layout text");
  ASSERT_FALSE(opened.open(path));
  EXPECT_EQ(opened.window.beep.state(), 1);
  EXPECT_EQ(opened.window.openFilePath1.stringValue(), "/first");
  EXPECT_EQ(opened.window.openFilePath2.stringValue(), "layout text");
  EXPECT_EQ(opened.window.intervalUnits.indexOfSelectedItem(), 2);
  EXPECT_EQ(opened.window.interval.stringValue(), "45");
}

TEST_F(SettingsDocumentTest, ContentsThatDoNotDecodeChangeNothingAndShowNothing) {
  const std::string path = temp.File("noise.vigil", "definitely not an archive");
  OpenDocument opened(services);
  opened.window.startWhenOpened.setState(1);  // the layout's value
  opened.window.folderPath.setStringValue(temp.path());
  opened.window.status.setStringValue("");
  ASSERT_FALSE(opened.open(path)) << "opening holds the contents and answers success";
  EXPECT_EQ(opened.window.folderPath.stringValue(), temp.path());
  EXPECT_TRUE(opened.document.isRunning()) << "the layout's start-when-opened applies";
  EXPECT_TRUE(opened.document.saveDocument()) << "Save must ask for a new file";
  EXPECT_EQ(Contents(path), "definitely not an archive");
}

TEST_F(SettingsDocumentTest, StartWhenOpenedStartsOrShowsThatTheFolderIsGone) {
  const std::string folder = temp.Folder("watched");
  const std::string path = temp / "start.vigil";
  {
    OpenDocument saved(services);
    saved.window.folderPath.setStringValue(folder);
    saved.window.startWhenOpened.setState(1);
    ASSERT_FALSE(saved.document.saveDocumentAs(path));
  }
  {
    OpenDocument opened(services);
    ASSERT_FALSE(opened.open(path));
    EXPECT_TRUE(opened.document.isRunning());
  }
  std::filesystem::remove(folder);
  OpenDocument opened(services);
  ASSERT_FALSE(opened.open(path));
  EXPECT_FALSE(opened.document.isRunning());
  EXPECT_EQ(opened.window.status.stringValue(), "Target is not valid or not a folder.");
}

TEST_F(SettingsDocumentTest, AFailedSaveKeepsThePreviousFileAndSaysWhy) {
  const std::string folder = temp.Folder("docs");
  const std::string path = folder + "/kept.vigil";
  OpenDocument document(services);
  document.window.folderPath.setStringValue("/first");
  ASSERT_FALSE(document.document.saveDocumentAs(path));
  const std::string before = Contents(path);
  document.window.folderPath.setStringValue("/second");
  document.document.updateChangeCount(true);
  ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
  const auto error = document.document.saveDocument();
  chmod(folder.c_str(), 0755);
  if (geteuid() != 0) {  // root writes into read-only folders
    ASSERT_TRUE(error);
    EXPECT_NE(error->find(path), std::string::npos) << *error;
    EXPECT_EQ(Contents(path), before);
    EXPECT_TRUE(document.document.isDocumentEdited());
  }
  OpenDocument untitled(services);
  EXPECT_TRUE(untitled.document.saveDocument()) << "an untitled document has no file to save to";
  EXPECT_EQ(untitled.document.displayName().rfind("Untitled", 0), 0u);
}

TEST(DocumentSettings, JsonIsAlwaysValid) {
  ArchivedDictionary settings;
  settings.Set("text", std::string("quote\" back\\ tab\t nl\n ctl\x01 bad\xff end"));
  settings.Set("number", -7);
  EXPECT_EQ(SettingsAsJson(settings),
            "{\n  \"text\": \"quote\\\" back\\\\ tab\\t nl\\n ctl\\u0001 bad\xEF\xBF\xBD end\",\n"
            "  \"number\": -7\n}\n");
  EXPECT_EQ(SettingsAsJson({}), "{}\n");
}

}  // namespace
}  // namespace vigil::app

// A document: its contents, the file they live in, the name it is shown by and
// whether it has changes that are not saved. Subclasses give the contents as
// bytes and take them back; the document saves them atomically.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vigil::desktop {

class Document {
 public:
  // The file name extension of settings documents, and their type name.
  static constexpr const char *kExtension = ".vigil";
  static constexpr const char *kTypeName = "Vigil Settings Document";

  virtual ~Document() = default;

  // The contents to save, for the given type.
  virtual std::vector<std::uint8_t> dataRepresentationOfType(const std::string &type) = 0;
  // Takes contents read from a file; false when they cannot be taken.
  virtual bool loadDataRepresentation(const std::vector<std::uint8_t> &data, const std::string &type) = 0;

  // Reads the file into the document, which then belongs to it. Answers an
  // error message naming the file, or nothing.
  std::optional<std::string> readFromFile(const std::string &path);

  // Saves to the document's file; an untitled document has none to save to.
  std::optional<std::string> saveDocument();
  // Saves to another file, which the document then belongs to.
  std::optional<std::string> saveDocumentAs(const std::string &path);

  const std::string &fileName() const { return fileName_; }
  // The file's name without its folder and extension, or "Untitled" (with a
  // number for the second and later untitled documents).
  std::string displayName() const;
  bool isDocumentEdited() const { return edited_; }
  // The document no longer stands for its file (its contents were not taken):
  // saving then asks for a new file instead of writing over one that is not a
  // document.
  void forgetFile() { fileName_.clear(); }
  void updateChangeCount(bool changed) { edited_ = changed; }

 protected:
  Document();

 private:
  std::optional<std::string> writeTo(const std::string &path);

  std::string fileName_;
  int untitledNumber_;
  bool edited_ = false;
};

// Reads a whole file of at most maxBytes; an error message naming it otherwise.
std::optional<std::string> ReadWholeFile(const std::string &path, std::vector<std::uint8_t> *contents,
                                         std::size_t maxBytes);

}  // namespace vigil::desktop

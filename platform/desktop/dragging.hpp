// Dragging items onto a view: the pasteboard of a drag and the view's side of
// the protocol. Toolkit adapters turn their drags into these.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vigil::desktop {

// The pasteboard type of dragged file names: a list of POSIX paths.
inline constexpr const char *kFilenamesPboardType = "NSFilenamesPboardType";

// Drag operations.
enum DragOperation : unsigned {
  kDragOperationNone = 0,
  kDragOperationCopy = 1,
  kDragOperationGeneric = 4,
};

class Pasteboard {
 public:
  virtual ~Pasteboard() = default;
  // The first of the types that the pasteboard holds.
  virtual std::optional<std::string> availableTypeFromArray(const std::vector<std::string> &types) const = 0;
  // The value for a type; for file names, the dragged paths.
  virtual std::vector<std::string> propertyListForType(const std::string &type) const = 0;
};

class DraggingInfo {
 public:
  virtual ~DraggingInfo() = default;
  virtual const Pasteboard &draggingPasteboard() const = 0;
};

// A pasteboard holding file names, as a drop of text/uri-list data gives them.
class FilenamesPasteboard : public Pasteboard {
 public:
  explicit FilenamesPasteboard(std::vector<std::string> paths) : paths_(std::move(paths)) {}
  std::optional<std::string> availableTypeFromArray(const std::vector<std::string> &types) const override;
  std::vector<std::string> propertyListForType(const std::string &type) const override;

 private:
  std::vector<std::string> paths_;
};

class FilenamesDrag : public DraggingInfo {
 public:
  explicit FilenamesDrag(std::vector<std::string> paths) : pasteboard_(std::move(paths)) {}
  const Pasteboard &draggingPasteboard() const override { return pasteboard_; }

 private:
  FilenamesPasteboard pasteboard_;
};

// The POSIX paths of the local file URIs in text/uri-list data (RFC 2483):
// comment lines skipped, percent-escapes decoded; other URIs are left out.
std::vector<std::string> PathsFromUriList(const std::string &uriList);

}  // namespace vigil::desktop

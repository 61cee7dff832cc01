// The settings a document's file holds: fifteen keyed values taken from the
// window's controls, in the order they are stored.
#pragma once

#include "app/document_outlets.hpp"
#include "platform/desktop/archived_dictionary.hpp"

#include <string>

namespace vigil::app {

inline constexpr const char *kSendAnEmailCheckBoxKey = "kSendAnEmailCheckBoxKey";
inline constexpr const char *kBeepCheckBoxKey = "kBeepCheckBoxKey";
inline constexpr const char *kRevealTargetCheckBoxKey = "kRevealTargetCheckBoxKey";
inline constexpr const char *kCheckItemCountChangeCheckBoxKey = "kCheckItemCountChangeCheckBoxKey";
inline constexpr const char *kCheckModificationDateChangeCheckBoxKey =
    "kCheckModificationDateChangeCheckBoxKey";
inline constexpr const char *kStopCheckingForChangesCheckBoxKey = "kStopCheckingForChangesCheckBoxKey";
inline constexpr const char *kOpenFilesCheckBoxKey = "kOpenFilesCheckBoxKey";
inline constexpr const char *kStartWhenDocumentCheckBoxKey = "kStartWhenDocumentCheckBoxKey";
inline constexpr const char *kCheckTimeIntervalUnitsPopupKey = "kCheckTimeIntervalUnitsPopupKey";
inline constexpr const char *kTextFieldFilePathKey = "kTextFieldFilePathKey";
inline constexpr const char *kEMailMessageTextFieldKey = "kEMailMessageTextFieldKey";
inline constexpr const char *kEMailAddressTextFieldKey = "kEMailAddressTextFieldKey";
inline constexpr const char *kCheckTimeIntervalTextFieldKey = "kCheckTimeIntervalTextFieldKey";
inline constexpr const char *kOpenFilePath1TextFieldKey = "kOpenFilePath1TextFieldKey";
inline constexpr const char *kOpenFilePath2TextFieldKey = "kOpenFilePath2TextFieldKey";

// The fifteen values as the controls hold them, in the order a document stores
// them. Check boxes are stored as their values truncated to 8 bits and widened
// with their sign, as the document's snapshot holds them.
ArchivedDictionary SettingsFromControls(const DocumentOutlets &outlets);

// A value read as an integer: a number as it is, a string by its leading
// decimal integer (0 when there is none).
std::int32_t IntegerOf(const ArchivedValue &value);
// A value read as text: a string as it is, a number in decimal.
std::string TextOf(const ArchivedValue &value);

// The dictionary as a JSON object, keys in order; strings are escaped and any
// byte that is not UTF-8 becomes U+FFFD, so the output is always valid JSON.
std::string SettingsAsJson(const ArchivedDictionary &settings);

}  // namespace vigil::app

#include "app/document_settings.hpp"

#include "platform/text/mac_roman.hpp"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace vigil::app {
namespace {

std::int32_t BoxValue(const desktop::CheckBox *box) {
  return box != nullptr ? static_cast<std::int8_t>(box->intValue()) : 0;
}

std::string Text(const desktop::TextField *field) {
  return field != nullptr ? field->stringValue() : std::string();
}

void AppendJsonString(std::string &out, std::string_view text) {
  out += '"';
  while (!text.empty()) {
    const auto decoded = text::DecodeUtf8(text);
    const char32_t scalar = decoded ? decoded->scalar : U'\uFFFD';
    text.remove_prefix(decoded ? decoded->length : 1);
    if (scalar == '"' || scalar == '\\') {
      out += '\\';
      out += static_cast<char>(scalar);
    } else if (scalar == '\n') {
      out += "\\n";
    } else if (scalar == '\t') {
      out += "\\t";
    } else if (scalar < 0x20 || scalar == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(scalar));
      out += escaped;
    } else {
      text::AppendUtf8(out, scalar);
    }
  }
  out += '"';
}

}  // namespace

ArchivedDictionary SettingsFromControls(const DocumentOutlets &o) {
  ArchivedDictionary settings;
  settings.Set(kSendAnEmailCheckBoxKey, BoxValue(o.mSendAnEmailCheckBox));
  settings.Set(kBeepCheckBoxKey, BoxValue(o.mBeepCheckBox));
  settings.Set(kRevealTargetCheckBoxKey, BoxValue(o.mRevealTargetCheckBox));
  settings.Set(kCheckItemCountChangeCheckBoxKey, BoxValue(o.mCheckItemCountChangeCheckBox));
  settings.Set(kCheckModificationDateChangeCheckBoxKey,
               BoxValue(o.mCheckModificationDateChangeCheckBox));
  settings.Set(kStopCheckingForChangesCheckBoxKey, BoxValue(o.mStopCheckingForChangesCheckBox));
  settings.Set(kCheckTimeIntervalUnitsPopupKey,
               o.mCheckTimeIntervalUnitsPopup != nullptr
                   ? static_cast<std::int32_t>(o.mCheckTimeIntervalUnitsPopup->indexOfSelectedItem())
                   : 0);
  settings.Set(kCheckTimeIntervalTextFieldKey, Text(o.mCheckTimeIntervalTextField));
  settings.Set(kEMailAddressTextFieldKey, Text(o.mEMailAddressTextField));
  settings.Set(kEMailMessageTextFieldKey, Text(o.mEMailMessageTextField));
  settings.Set(kTextFieldFilePathKey, Text(o.mFilePathTextField));
  settings.Set(kOpenFilePath1TextFieldKey, Text(o.mOpenFilePath1));
  settings.Set(kOpenFilePath2TextFieldKey, Text(o.mOpenFilePath2));
  settings.Set(kOpenFilesCheckBoxKey, BoxValue(o.mCheckBoxOpenFiles));
  settings.Set(kStartWhenDocumentCheckBoxKey, BoxValue(o.mCheckBoxStartWhenDocumentOpened));
  return settings;
}

std::int32_t IntegerOf(const ArchivedValue &value) {
  if (const auto *number = std::get_if<std::int32_t>(&value)) return *number;
  // Like a string's intValue: leading white space, a sign, digits; saturated.
  std::string_view text = std::get<std::string>(value);
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\n')) {
    text.remove_prefix(1);
  }
  if (text.starts_with('+')) text.remove_prefix(1);
  long long parsed = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (error == std::errc::result_out_of_range) return text.starts_with('-') ? INT32_MIN : INT32_MAX;
  if (error != std::errc()) return 0;
  return static_cast<std::int32_t>(std::clamp<long long>(parsed, INT32_MIN, INT32_MAX));
}

std::string TextOf(const ArchivedValue &value) {
  if (const auto *text = std::get_if<std::string>(&value)) return *text;
  return std::to_string(std::get<std::int32_t>(value));
}

std::string SettingsAsJson(const ArchivedDictionary &settings) {
  std::string out = "{";
  bool first = true;
  for (const auto &[key, value] : settings) {
    out += first ? "\n  " : ",\n  ";
    first = false;
    AppendJsonString(out, key);
    out += ": ";
    if (const auto *number = std::get_if<std::int32_t>(&value)) {
      out += std::to_string(*number);
    } else {
      AppendJsonString(out, std::get<std::string>(value));
    }
  }
  out += first ? "}\n" : "\n}\n";
  return out;
}

}  // namespace vigil::app

#include "platform/desktop/stored_controls.hpp"

namespace vigil::desktop {

void StoredTextField::setStringValue(std::string_view text) {
  text_ = text;
  if (listener_) listener_(text_);
}

}  // namespace vigil::desktop

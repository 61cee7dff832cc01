#include "platform/events/file_manager_service.hpp"

#include "platform/core/result_codes.h"
#include "platform/events/session_bus.hpp"

namespace vigil::events {

OSErr ShowItemsInFileManager(const std::vector<std::string> &uris, int timeoutMilliseconds) {
  Message call(dbus_message_new_method_call(kFileManagerBusName, "/org/freedesktop/FileManager1",
                                            kFileManagerBusName, "ShowItems"));
  if (!call) return memFullErr;
  DBusMessageIter arguments;
  DBusMessageIter array;
  dbus_message_iter_init_append(call.get(), &arguments);
  if (!dbus_message_iter_open_container(&arguments, DBUS_TYPE_ARRAY, DBUS_TYPE_STRING_AS_STRING,
                                        &array)) {
    return memFullErr;
  }
  for (const std::string &uri : uris) {
    const char *text = uri.c_str();
    if (!dbus_message_iter_append_basic(&array, DBUS_TYPE_STRING, &text)) {
      dbus_message_iter_abandon_container(&arguments, &array);
      return memFullErr;
    }
  }
  // No startup notification ID: we are not launching the file manager ourselves.
  const char *startupId = "";
  if (!dbus_message_iter_close_container(&arguments, &array) ||
      !dbus_message_iter_append_basic(&arguments, DBUS_TYPE_STRING, &startupId)) {
    return memFullErr;
  }
  Message reply;
  return CallOnSessionBus(call.get(), timeoutMilliseconds, &reply);
}

}  // namespace vigil::events

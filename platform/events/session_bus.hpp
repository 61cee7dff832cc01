// The process's connection to the desktop session's message bus (D-Bus), for
// the platform's events and process queries. The bus is found from
// DBUS_SESSION_BUS_ADDRESS, else the per-user socket $XDG_RUNTIME_DIR/bus; a bus
// is never started for us. The connection is opened on first use and opened
// again when the address changes or the bus went away.
#pragma once

#include "platform/core/base_types.h"

#include <sys/types.h>

#include <dbus/dbus.h>

#include <memory>
#include <optional>

namespace vigil::events {

struct MessageRelease {
  void operator()(DBusMessage *message) const { dbus_message_unref(message); }
};
using Message = std::unique_ptr<DBusMessage, MessageRelease>;

// Sends a method call and waits at most timeoutMilliseconds for its answer.
// Answers noErr with the reply, or: connectionInvalid when there is no bus or
// it went away, procNotFound when no process owns (or can be started for) the
// destination, errAETimeout when no answer came in time, errAEEventNotHandled
// for any other error the receiver answered.
OSErr CallOnSessionBus(DBusMessage *call, int timeoutMilliseconds, Message *reply);

// The process ID of the owner of a bus name; nothing when the name has no owner
// or there is no bus.
std::optional<pid_t> SessionBusNameOwnerProcess(const char *name);

}  // namespace vigil::events

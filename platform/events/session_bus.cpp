#include "platform/events/session_bus.hpp"

#include "platform/core/clock.h"
#include "platform/core/result_codes.h"

#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <string_view>

namespace vigil::events {
namespace {

// The bus daemon answers its own calls at once; waiting longer means it is stuck.
constexpr int kBusDaemonTimeoutMilliseconds = 2000;

std::string SessionBusAddress() {
  if (const char *address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
      address != nullptr && *address != '\0') {
    return address;
  }
  const char *runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime == nullptr || *runtime == '\0') return {};
  const std::string socket = std::string(runtime) + "/bus";
  struct stat status {};
  if (stat(socket.c_str(), &status) != 0 || !S_ISSOCK(status.st_mode)) return {};
  return "unix:path=" + socket;
}

struct ConnectionClose {
  void operator()(DBusConnection *connection) const {
    dbus_connection_close(connection);
    dbus_connection_unref(connection);
  }
};
using Connection = std::unique_ptr<DBusConnection, ConnectionClose>;

class ErrorHolder {
 public:
  ErrorHolder() { dbus_error_init(&error_); }
  ~ErrorHolder() { dbus_error_free(&error_); }
  ErrorHolder(const ErrorHolder &) = delete;
  ErrorHolder &operator=(const ErrorHolder &) = delete;
  DBusError *get() { return &error_; }
  bool isSet() const { return dbus_error_is_set(&error_); }
  bool is(const char *name) const { return dbus_error_has_name(&error_, name); }
  std::string_view name() const { return error_.name != nullptr ? error_.name : ""; }

 private:
  DBusError error_;
};

OSErr ResultOfError(const ErrorHolder &error) {
  if (error.is(DBUS_ERROR_SERVICE_UNKNOWN) || error.is(DBUS_ERROR_NAME_HAS_NO_OWNER) ||
      error.name().starts_with("org.freedesktop.DBus.Error.Spawn")) {
    return procNotFound;
  }
  if (error.is(DBUS_ERROR_NO_REPLY) || error.is(DBUS_ERROR_TIMEOUT) ||
      error.is(DBUS_ERROR_TIMED_OUT)) {
    return errAETimeout;
  }
  if (error.is(DBUS_ERROR_DISCONNECTED) || error.is(DBUS_ERROR_NO_SERVER) ||
      error.is(DBUS_ERROR_NO_NETWORK) || error.is(DBUS_ERROR_FILE_NOT_FOUND)) {
    return connectionInvalid;
  }
  return errAEEventNotHandled;
}

// The one connection, with the address it was opened for. Calls are made under
// the lock, so the connection is never used by two threads at once.
struct SharedConnection {
  std::mutex mutex;
  std::string address;
  Connection connection;
  // A bus that could not be reached is not tried again for a second, so that
  // a stuck bus costs one wait and not one per call of a long process scan.
  std::string failedAddress;
  UInt32 failedAtTicks = 0;
};

SharedConnection &Shared() {
  static SharedConnection shared;
  return shared;
}

// A private connection (never the library's shared one, which would end the
// process when the bus goes away), registered with the bus by its Hello call.
Connection Open(const std::string &address) {
  ErrorHolder error;
  Connection connection(dbus_connection_open_private(address.c_str(), error.get()));
  if (!connection) return nullptr;
  dbus_connection_set_exit_on_disconnect(connection.get(), FALSE);
  Message hello(dbus_message_new_method_call(DBUS_SERVICE_DBUS, DBUS_PATH_DBUS,
                                             DBUS_INTERFACE_DBUS, "Hello"));
  if (!hello) return nullptr;
  Message reply(dbus_connection_send_with_reply_and_block(connection.get(), hello.get(),
                                                          kBusDaemonTimeoutMilliseconds,
                                                          error.get()));
  if (!reply) return nullptr;
  return connection;
}

// The connection for the current address, under the caller's lock; null when
// there is no bus to be reached.
DBusConnection *CurrentConnection(SharedConnection &shared) {
  const std::string address = SessionBusAddress();
  if (address.empty()) {
    shared.connection.reset();
    return nullptr;
  }
  // Reading what is pending notices a bus that hung up since the last call.
  if (shared.connection) dbus_connection_read_write(shared.connection.get(), 0);
  if (shared.connection && (address != shared.address ||
                            !dbus_connection_get_is_connected(shared.connection.get()))) {
    shared.connection.reset();
  }
  if (!shared.connection) {
    if (address == shared.failedAddress && TickCount() - shared.failedAtTicks < 60) {
      return nullptr;
    }
    shared.connection = Open(address);
    shared.address = address;
    shared.failedAddress = shared.connection ? std::string() : address;
    shared.failedAtTicks = TickCount();
  }
  return shared.connection.get();
}

OSErr Call(SharedConnection &shared, DBusMessage *call, int timeoutMilliseconds,
           Message *reply) {
  DBusConnection *connection = CurrentConnection(shared);
  if (connection == nullptr) return connectionInvalid;
  ErrorHolder error;
  Message answer(dbus_connection_send_with_reply_and_block(connection, call, timeoutMilliseconds,
                                                           error.get()));
  // Signals the bus sends unasked (the name it gave us) are of no use here.
  while (DBusMessage *unread = dbus_connection_pop_message(connection)) {
    dbus_message_unref(unread);
  }
  if (!answer) {
    if (!error.isSet() || !dbus_connection_get_is_connected(connection)) return connectionInvalid;
    return ResultOfError(error);
  }
  *reply = std::move(answer);
  return noErr;
}

}  // namespace

OSErr CallOnSessionBus(DBusMessage *call, int timeoutMilliseconds, Message *reply) {
  SharedConnection &shared = Shared();
  std::lock_guard lock(shared.mutex);
  return Call(shared, call, timeoutMilliseconds, reply);
}

std::optional<pid_t> SessionBusNameOwnerProcess(const char *name) {
  Message query(dbus_message_new_method_call(DBUS_SERVICE_DBUS, DBUS_PATH_DBUS,
                                             DBUS_INTERFACE_DBUS,
                                             "GetConnectionUnixProcessID"));
  if (!query || !dbus_message_append_args(query.get(), DBUS_TYPE_STRING, &name,
                                          DBUS_TYPE_INVALID)) {
    return std::nullopt;
  }
  SharedConnection &shared = Shared();
  std::lock_guard lock(shared.mutex);
  Message reply;
  if (Call(shared, query.get(), kBusDaemonTimeoutMilliseconds, &reply) != noErr) {
    return std::nullopt;
  }
  dbus_uint32_t pid = 0;
  ErrorHolder error;
  if (!dbus_message_get_args(reply.get(), error.get(), DBUS_TYPE_UINT32, &pid,
                             DBUS_TYPE_INVALID)) {
    return std::nullopt;
  }
  return static_cast<pid_t>(pid);
}

}  // namespace vigil::events

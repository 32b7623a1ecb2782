#pragma once
// A failed database operation. what() is the client library's own text (or,
// for values refused before they reach the server, a plain explanation), so
// the console can show it to the operator as it is.

#include <stdexcept>
#include <string>

namespace kv7::store {

// What a cluster node answers while it is not part of the cluster's
// majority; also given when a connection finds the node so.
inline constexpr unsigned kNodeNotReady = 1047;

class DbError : public std::runtime_error {
 public:
  // code: the library's error number (0 when the failure was found here).
  explicit DbError(const std::string& text, unsigned code = 0, std::string sqlState = {})
      : std::runtime_error(text), code_(code), sqlState_(std::move(sqlState)) {}

  unsigned Code() const { return code_; }
  const std::string& SqlState() const { return sqlState_; }

  // The server could not be reached, the connection broke or the cluster
  // node is cut off: the operation may work again once the server is back,
  // or through another server of the address.
  bool IsConnectionError() const {
    return code_ == 2002 || code_ == 2003 || code_ == 2005 || code_ == 2006 || code_ == 2013 ||
           code_ == 2055 || code_ == 1045 || code_ == 1049 || code_ == kNodeNotReady;
  }

  // The server refused a value of the row itself (too long, out of range,
  // not a valid value or character for the column): the same row fails
  // again however often it is sent, while other rows go in.
  bool IsContentError() const {
    if (sqlState_.rfind("22", 0) == 0) return true;  // the standard's "data exception" class
    switch (code_) {
      case 1048:  // column cannot be null
      case 1264:  // out of range
      case 1265:  // data truncated
      case 1292:  // incorrect value
      case 1300:  // invalid character string
      case 1366:  // incorrect string (character set) or number
      case 1367:  // illegal value for the type
      case 1406:  // data too long
      case 4025:  // check constraint
        return true;
      default:
        return false;
    }
  }

 private:
  unsigned code_;
  std::string sqlState_;
};

}  // namespace kv7::store

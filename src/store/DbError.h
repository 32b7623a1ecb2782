#pragma once
// A failed database operation. what() is the client library's own text (or,
// for values refused before they reach the server, a plain explanation), so
// the console can show it to the operator as it is.

#include <stdexcept>
#include <string>

namespace kv7::store {

class DbError : public std::runtime_error {
 public:
  // code: the library's error number (0 when the failure was found here).
  explicit DbError(const std::string& text, unsigned code = 0, std::string sqlState = {})
      : std::runtime_error(text), code_(code), sqlState_(std::move(sqlState)) {}

  unsigned Code() const { return code_; }
  const std::string& SqlState() const { return sqlState_; }

  // The server could not be reached or the connection broke: the operation
  // may work again once the server is back.
  bool IsConnectionError() const {
    return code_ == 2002 || code_ == 2003 || code_ == 2005 || code_ == 2006 || code_ == 2013 ||
           code_ == 2055 || code_ == 1045 || code_ == 1049;
  }

 private:
  unsigned code_;
  std::string sqlState_;
};

}  // namespace kv7::store

#pragma once
// A request as the handlers see it and the answer they give, independent of
// the HTTP library.

#include <map>
#include <string>

namespace kv7::web {

struct Request {
  std::string path;                          // "/batches"
  std::map<std::string, std::string> query;  // decoded query parameters
  std::string language;                      // "it", "es", "pt", "en", "fr", "de", "el"
};

struct Response {
  int status = 200;
  std::string contentType = "text/html; charset=utf-8";
  std::string body;
  std::map<std::string, std::string> headers;  // e.g. Content-Disposition for CSV and PDF
};

}  // namespace kv7::web

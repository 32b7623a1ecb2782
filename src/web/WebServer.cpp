#include "web/WebServer.h"

#include <httplib.h>

#include <iostream>
#include <thread>

#include "store/PasswordHash.h"
#include "web/Assets.h"
#include "web/DataPages.h"
#include "web/DatabasePool.h"
#include "web/LiveFeed.h"
#include "web/OfficePages.h"
#include "web/PageLanguage.h"
#include "web/Sessions.h"

namespace kv7::web {
namespace {

using HandlerResult = httplib::Server::HandlerResponse;

constexpr const char* kSessionCookie = "kv7_session";
constexpr const char* kLanguageCookie = "kv7_lang";
constexpr const char* kHtml = "text/html; charset=utf-8";

std::string Cookie(const httplib::Request& req, const std::string& name) {
  const std::string header = req.get_header_value("Cookie");
  std::size_t at = 0;
  while (at < header.size()) {
    const auto end = std::min(header.find(';', at), header.size());
    std::string item = header.substr(at, end - at);
    item.erase(0, item.find_first_not_of(' '));
    if (item.rfind(name + "=", 0) == 0) return item.substr(name.size() + 1);
    at = end + 1;
  }
  return {};
}

std::string LanguageOf(const httplib::Request& req) {
  return ChooseLanguage(Cookie(req, kLanguageCookie), req.get_header_value("Accept-Language"));
}

// Streams, downloads and anything asked for in a format other than a page
// are data: without a session they get 401, not the login page.
bool IsDataRequest(const httplib::Request& req) {
  return req.path.rfind("/events/", 0) == 0 || req.path == "/statement" || req.has_param("format");
}

bool IsPublic(const std::string& path) {
  return path == "/login" || path == "/language" || path.rfind("/static/", 0) == 0;
}

Request ToRequest(const httplib::Request& req) {
  Request request{req.path, {}, LanguageOf(req)};
  for (const auto& [key, value] : req.params) request.query.emplace(key, value);
  return request;
}

void Answer(httplib::Response& res, const Response& answer) {
  res.status = answer.status;
  for (const auto& [key, value] : answer.headers) res.set_header(key, value);
  res.set_content(answer.body, answer.contentType);
}

// Only a path of this site: never somewhere else after a language change.
std::string LocalPath(const std::string& back) {
  if (back.empty() || back[0] != '/' || back.rfind("//", 0) == 0 || back.find('\\') != std::string::npos ||
      back.find_first_of("\r\n") != std::string::npos)
    return "/";
  return back;
}

std::string Printable(const std::string& user) { return IsUserName(user) ? user : "?"; }

}  // namespace

WebServer::WebServer(WebConfig config)
    : config_(std::move(config)),
      http_(std::make_unique<httplib::Server>()),
      sessions_(std::make_unique<Sessions>(std::chrono::minutes(config_.sessionMinutes))),
      throttle_(std::make_unique<LoginThrottle>(std::chrono::milliseconds(500), std::chrono::seconds(16))),
      feed_(std::make_unique<LiveFeed>(config_.db)),
      pool_(std::make_unique<DatabasePool>(config_.db)),
      dummyHash_(store::password_hash::Hash(RandomToken(16))) {
  http_->new_task_queue = [] { return new httplib::ThreadPool(kWorkers); };
  http_->set_payload_max_length(64 * 1024);
  // Headers and body go out in separate writes: without this a kept-alive
  // connection waits on the client's delayed acknowledgement, ~40 ms a page.
  http_->set_tcp_nodelay(true);
  http_->set_default_headers({
      {"Content-Security-Policy", "default-src 'self'; frame-ancestors 'none'; form-action 'self'; base-uri 'none'"},
      {"X-Content-Type-Options", "nosniff"},
      {"X-Frame-Options", "DENY"},
      {"Referrer-Policy", "no-referrer"},
      {"Cache-Control", "no-store"},
  });
  Guard();
  Routes();
}

WebServer::~WebServer() { Stop(); }

bool WebServer::Bind(std::string* error) {
  if (config_.port == 0) port_ = http_->bind_to_any_port(config_.listen);
  else port_ = http_->bind_to_port(config_.listen, config_.port) ? config_.port : -1;
  if (port_ <= 0 && error) *error = "cannot listen on " + config_.listen + ":" + std::to_string(config_.port);
  return port_ > 0;
}

void WebServer::Run() {
  feed_->Start();
  std::cout << "kv7-web: listening on http://" << config_.listen << ":" << port_ << "/" << std::endl;
  http_->listen_after_bind();
  feed_->Stop();
}

void WebServer::Stop() {
  feed_->Stop();  // wakes the streams, so their workers end
  http_->stop();
}

void WebServer::Guard() {
  http_->set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
    const bool read = req.method == "GET" || req.method == "HEAD";
    const bool session = req.method == "POST" && (req.path == "/login" || req.path == "/logout");
    if (!read && !session) {
      res.status = 405;
      res.set_header("Allow", "GET, HEAD");
      res.set_content("method not allowed\n", "text/plain; charset=utf-8");
      return HandlerResult::Handled;
    }
    if (IsPublic(req.path) || req.path == "/logout") return HandlerResult::Unhandled;
    if (sessions_->UserOf(Cookie(req, kSessionCookie))) return HandlerResult::Unhandled;
    if (IsDataRequest(req)) {
      res.status = 401;
      res.set_content("login required\n", "text/plain; charset=utf-8");
    } else {
      res.set_redirect("/login", 303);
    }
    return HandlerResult::Handled;
  });
  http_->set_error_handler([](const httplib::Request& req, httplib::Response& res) {
    if (res.status == 404 && res.body.empty()) res.set_content(NotFoundPage(LanguageOf(req)), kHtml);
  });
}

void WebServer::Routes() {
  http_->Get("/static/kv7.css", [](const httplib::Request&, httplib::Response& res) {
    res.set_content(kStyleSheet.data(), kStyleSheet.size(), "text/css; charset=utf-8");
  });
  http_->Get("/static/kv7.js", [](const httplib::Request&, httplib::Response& res) {
    res.set_content(kScript.data(), kScript.size(), "text/javascript; charset=utf-8");
  });
  http_->Get("/language", [](const httplib::Request& req, httplib::Response& res) {
    const std::string lang = req.get_param_value("lang");
    if (IsPageLanguage(lang))
      res.set_header("Set-Cookie", std::string(kLanguageCookie) + "=" + lang +
                                       "; Path=/; Max-Age=31536000; SameSite=Strict; HttpOnly");
    res.set_redirect(LocalPath(req.get_param_value("back")), 303);
  });
  http_->Get("/login", [](const httplib::Request& req, httplib::Response& res) {
    res.set_content(LoginPage(LanguageOf(req), false), kHtml);
  });
  http_->Post("/login", [this](const httplib::Request& req, httplib::Response& res) {
    const std::string user = req.get_param_value("user");
    const auto known = config_.users.find(user);
    const bool right = store::password_hash::Verify(req.get_param_value("password"),
                                                    known != config_.users.end() ? known->second : dummyHash_) &&
                       known != config_.users.end();
    if (!right) {
      const auto delay = throttle_->Failed(req.remote_addr, user);
      std::cout << "kv7-web: wrong login for " << Printable(user) << " from " << req.remote_addr << std::endl;
      std::this_thread::sleep_for(delay);
      res.status = 401;
      res.set_content(LoginPage(LanguageOf(req), true), kHtml);
      return;
    }
    throttle_->Succeeded(req.remote_addr, user);
    std::cout << "kv7-web: " << user << " logged in from " << req.remote_addr << std::endl;
    res.set_header("Set-Cookie", std::string(kSessionCookie) + "=" + sessions_->Open(user) +
                                     "; Path=/; HttpOnly; SameSite=Strict; Max-Age=" +
                                     std::to_string(sessions_->Lifetime().count() * 60));
    res.set_redirect("/", 303);
  });
  http_->Post("/logout", [this](const httplib::Request& req, httplib::Response& res) {
    sessions_->Close(Cookie(req, kSessionCookie));
    res.set_header("Set-Cookie", std::string(kSessionCookie) + "=; Path=/; HttpOnly; SameSite=Strict; Max-Age=0");
    res.set_redirect("/login", 303);
  });
  http_->Get("/", [](const httplib::Request& req, httplib::Response& res) {
    res.set_content(MachinesPage(LanguageOf(req)), kHtml);
  });
  http_->Get("/events/machines", [this](const httplib::Request&, httplib::Response& res) {
    auto seen = std::make_shared<std::uint64_t>(0);
    res.set_chunked_content_provider("text/event-stream", [this, seen](std::size_t, httplib::DataSink& sink) {
      std::string json;
      if (*seen == 0) {
        const std::string retry = "retry: 2000\n\n";
        if (!sink.write(retry.data(), retry.size())) return false;
      }
      // A quiet stream still gets a comment now and then: a browser gone
      // away is noticed and its worker freed.
      std::string event = ": idle\n\n";
      if (feed_->WaitNewer(*seen, json, std::chrono::seconds(15))) event = "data: " + json + "\n\n";
      else if (feed_->Stopped()) return false;
      return sink.is_writable() && sink.write(event.data(), event.size());
    });
  });
  const auto data = [this](Response (*page)(store::Database&, const Request&)) {
    return [this, page](const httplib::Request& req, httplib::Response& res) {
      auto db = pool_->Take();
      try {
        Answer(res, page(*db, ToRequest(req)));
      } catch (const std::exception& e) {
        std::cerr << "kv7-web: " << req.path << ": " << e.what() << std::endl;
        (*db).Disconnect();
        res.status = 503;
        res.set_content("the archive cannot be read\n", "text/plain; charset=utf-8");
      }
    };
  };
  http_->Get("/batches", data(&BatchListPage));
  http_->Get("/batch", data(&BatchPage));
  http_->Get("/statistics", data(&StatisticsPage));
  http_->Get("/statement", data(&StatementPdf));
}

}  // namespace kv7::web

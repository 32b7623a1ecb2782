// The audit trail's JSON and the changed values of a file, without a server.

#include <gtest/gtest.h>

#include <limits>

#include "audit/FileChanges.h"
#include "audit/Json.h"

namespace {

using namespace kv7::audit;
using kv7::store::DbDateTime;
using kv7::store::DbValue;

TEST(AuditJson, ValuesAreEscapedAndAlwaysValidUtf8) {
  struct Case {
    DbValue value;
    std::string json;
  } cases[] = {
      {DbValue{}, "null"},
      {DbValue{std::int64_t{-42}}, "-42"},
      {DbValue{0.5}, "0.5"},
      {DbValue{std::numeric_limits<double>::infinity()}, "null"},
      {DbValue{DbDateTime{2026, 3, 5, 14, 30, 7}}, "\"2026-03-05 14:30:07\""},
      {DbValue{std::string("a\"b\\c")}, "\"a\\\"b\\\\c\""},
      {DbValue{std::string("r1\r\nr2\tx\x01")}, "\"r1\\r\\nr2\\tx\\u0001\""},
      {DbValue{std::string("Qualità €")}, "\"Qualità €\""},
      // A Latin-1 byte, a lone continuation byte and a cut sequence.
      {DbValue{std::string("caf\xE9")}, "\"café\""},
      {DbValue{std::string("\x80")}, "\"\xC2\x80\""},
      {DbValue{std::string("\xE2\x82")}, "\"\xC3\xA2\xC2\x82\""},
      // An overlong form and a surrogate are not UTF-8 either.
      {DbValue{std::string("\xC0\xAF")}, "\"\xC3\x80\xC2\xAF\""},
      {DbValue{std::string("\xED\xA0\x80")}, "\"\xC3\xAD\xC2\xA0\xC2\x80\""},
  };
  for (const auto& c : cases) EXPECT_EQ(JsonValue(c.value), c.json) << c.json;
}

TEST(AuditJson, ObjectKeepsTheOrderAndEscapesNames) {
  EXPECT_EQ(JsonObject({}), "{}");
  EXPECT_EQ(JsonObject({{"num", std::int64_t{7}}, {"de\"s", std::string("x")}, {"note", DbValue{}}}),
            "{\"num\":7,\"de\\\"s\":\"x\",\"note\":null}");
}

TEST(AuditFileChanges, OnlyChangedValuesWithPasswordsMasked) {
  struct Case {
    const char* what;
    NamedTexts before, after;
    Fields expectBefore, expectAfter;
  } cases[] = {
      {"nothing changed", {{"a", "1"}, {"b", "2"}}, {{"a", "1"}, {"b", "2"}}, {}, {}},
      {"one value", {{"a", "1"}, {"b", "2"}}, {{"a", "1"}, {"b", "3"}}, {{"b", std::string("2")}},
       {{"b", std::string("3")}}},
      {"added and removed", {{"a", "1"}}, {{"b", "2"}}, {{"a", std::string("1")}}, {{"b", std::string("2")}}},
      {"password", {{"kv2/password_inst", "0"}}, {{"kv2/password_inst", "4321"}},
       {{"kv2/password_inst", std::string("***")}}, {{"kv2/password_inst", std::string("***")}}},
  };
  for (const auto& c : cases) {
    const auto changes = ChangedValues(c.before, c.after);
    EXPECT_EQ(changes.before, c.expectBefore) << c.what;
    EXPECT_EQ(changes.after, c.expectAfter) << c.what;
    EXPECT_EQ(changes.Empty(), c.expectBefore.empty() && c.expectAfter.empty()) << c.what;
  }
}

}  // namespace

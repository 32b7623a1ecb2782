#include "store/PasswordHash.h"

#include <sodium.h>

#include <array>
#include <stdexcept>

namespace kv7::store::password_hash {
namespace {

void Ready() {
  // sodium_init is safe to call again and from any thread; -1 only when the
  // system has no random source, which no hash could be made without.
  if (sodium_init() < 0) throw std::runtime_error("password hashing: no random source");
}

// A fixed-length digest, so clear texts of any length compare in the same time.
std::array<unsigned char, crypto_generichash_BYTES> Digest(std::string_view text) {
  std::array<unsigned char, crypto_generichash_BYTES> out{};
  crypto_generichash(out.data(), out.size(), reinterpret_cast<const unsigned char*>(text.data()), text.size(),
                     nullptr, 0);
  return out;
}

}  // namespace

std::string Hash(std::string_view clear) {
  Ready();
  std::array<char, crypto_pwhash_STRBYTES> out{};
  if (crypto_pwhash_str(out.data(), clear.data(), clear.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                        crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
    throw std::runtime_error("password hashing: out of memory");
  return out.data();
}

bool Verify(std::string_view typed, std::string_view stored) {
  Ready();
  if (IsHash(stored)) {
    const std::string hash(stored);  // the library wants it NUL-terminated
    return crypto_pwhash_str_verify(hash.c_str(), typed.data(), typed.size()) == 0;
  }
  const auto a = Digest(typed), b = Digest(stored);
  return sodium_memcmp(a.data(), b.data(), a.size()) == 0;
}

bool IsHash(std::string_view stored) { return stored.starts_with("$argon2"); }

}  // namespace kv7::store::password_hash

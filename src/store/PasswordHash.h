#pragma once
// Passwords kept as salted password hashes (Argon2id, libsodium's
// interactive limits), never in clear. A stored value that is not a hash
// (settings written before passwords were hashed) is still compared, in
// constant time, until the next save replaces it.

#include <string>
#include <string_view>

namespace kv7::store::password_hash {

// A new hash of `clear` with a fresh salt: a self-describing text of the
// form "$argon2id$...". Throws std::runtime_error when no memory is left
// for it.
std::string Hash(std::string_view clear);

// Whether `typed` is the password `stored` stands for: checked against the
// hash, or compared in constant time with a stored clear text.
bool Verify(std::string_view typed, std::string_view stored);

// Whether `stored` is one of our hashes rather than a clear text.
bool IsHash(std::string_view stored);

}  // namespace kv7::store::password_hash

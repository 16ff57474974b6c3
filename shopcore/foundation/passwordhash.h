#pragma once

#include <QString>

// Passwords are kept as salted, deliberately slow hashes, never as typed: the users table is
// readable from every station. Users still type at most 16 characters, compared exactly.
namespace PasswordHash {

constexpr int MaxTyped = 16;

QString hash(const QString& typed);
// True when `typed` is the password `stored` was made from. A stored value that is not a hash
// (a user carried over from older data) is compared as typed text.
bool matches(const QString& stored, const QString& typed);
bool isHash(const QString& stored);

} // namespace PasswordHash

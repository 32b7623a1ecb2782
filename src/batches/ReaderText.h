#pragma once
// Texts that come from outside the keyboard (the barcode reader's port, old
// journal entries) made fit for the archive: always valid UTF-8, without
// control characters. Plain C++.

#include <string>
#include <string_view>

namespace kv7::batches {

// `bytes` as UTF-8 when they are valid UTF-8; otherwise every byte read as
// Latin-1 (a reader that sends "é" as the single byte 0xE9).
std::string Utf8OrLatin1(std::string_view bytes);

// A line from the barcode reader as the batch keeps it: read as above, then
// without CR, LF, NUL or any other control character (C0, DEL, C1).
std::string CleanBarcode(std::string_view line);

}  // namespace kv7::batches

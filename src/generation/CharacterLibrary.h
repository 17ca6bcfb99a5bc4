#pragma once
// A character library file: the characters a given name is drawn from, one
// entry per line. The files are GBK with "\r\n" line breaks; files saved by
// other editors ("\n" endings, UTF-8 with or without a byte-order mark) are
// read the same way.
#include <string>
#include <string_view>
#include <vector>

namespace velorin {

// "zm.fne" for "男", "zw.fne" for any other sex text.
std::string LibraryFileName(std::string_view sex);

// The entries of a file's content, each trimmed of blanks; empty lines and
// lines with bytes that are not text are skipped.
std::vector<std::string> LibraryEntries(std::string_view fileContent);

}  // namespace velorin

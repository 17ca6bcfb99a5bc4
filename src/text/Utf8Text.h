#pragma once
// Text inside the program is UTF-8, handled character by character (code
// point). Positions count characters from 1, as the texts of the forms do.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velorin::text {

// Number of characters.
std::size_t Length(std::string_view text);

// The characters of a text, each as its own UTF-8 string.
std::vector<std::string> Characters(std::string_view text);

// The first / last `count` characters (the whole text when it is shorter).
std::string Left(std::string_view text, std::size_t count);
std::string Right(std::string_view text, std::size_t count);

// `count` characters starting at character `start` (from 1).
std::string Middle(std::string_view text, std::size_t start, std::size_t count);

// First and last character, empty for an empty text.
std::string First(std::string_view text);
std::string Last(std::string_view text);

// Character position (from 1) of the first occurrence of `needle` that starts
// on a character boundary at or after character `from`; 0 when there is none.
std::size_t Find(std::string_view text, std::string_view needle, std::size_t from = 1);

// Pieces between separators, untrimmed; adjacent separators give an empty
// piece; a separator that ends the text gives no empty piece after it.
std::vector<std::string> Split(std::string_view text, std::string_view separator);

// Every occurrence of `from` replaced by `to`, in one left-to-right pass.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// Removes ASCII spaces and full-width spaces (U+3000) from both ends.
std::string TrimBlanks(std::string_view text);

bool IsOneCharacter(std::string_view text);

// Byte length of the UTF-8 character that starts with `lead` (1 for a
// stray continuation or invalid byte, so that walking a text always advances).
std::size_t CharacterSize(unsigned char lead);

}  // namespace velorin::text

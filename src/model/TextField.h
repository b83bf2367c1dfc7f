// The record's text fields hold characters, not bytes: text is UTF-8, and a field of
// kRecordTextChars characters keeps room for four bytes a character. These helpers
// count and cut UTF-8 by characters (a character is a lead byte with the continuation
// bytes that follow it, so even a malformed text is cut only between characters).
// Used by the record's setters, the dealer file reader and the notes lines.
#pragma once

#include <cstddef>
#include <string_view>

// The most characters a Print Information text of the record holds, and its bytes.
inline constexpr std::size_t kRecordTextChars = 255;
inline constexpr std::size_t kRecordTextSize = 4 * kRecordTextChars + 1;

// The number of characters of a UTF-8 text.
std::size_t Utf8Length(std::string_view text);

// The bytes of the longest leading part of text with at most nMaxChars characters and
// at most nMaxBytes bytes that ends between two characters.
std::size_t Utf8PrefixBytes(std::string_view text, std::size_t nMaxChars, std::size_t nMaxBytes);

#pragma once

#include <string>
#include <string_view>

namespace slots::chat {

// Turns the chat library's 8-bit text into the program's own, one line at a
// time, so a text of many megabytes is kept as the bytes it came in and only
// the lines a walk reaches are ever decoded.
//
// A decoder keeps to what every Windows ANSI code page does: a character
// below 0x80 comes only from the byte of the same value, CR and LF are never
// the second byte of a valid character, only bytes from 0x80 up open a
// character of two, and each line decodes on its own exactly as it does
// inside the whole text.
class ChatTextDecoder {
public:
  virtual ~ChatTextDecoder() = default;

  // Appends the characters of `bytes`, which start at a line's start.
  virtual void AppendDecoded(std::string_view bytes,
                             std::wstring &text) const = 0;

  // True when `byte` opens a character of two bytes that takes the next byte
  // whatever it is: a CR right after it is then part of that character, and
  // no line break.
  virtual bool TakesNextByte(unsigned char byte) const = 0;
};

} // namespace slots::chat

#pragma once

#include "chat/chat_text_decoder.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace slots::win32 {

// 8-bit texts of the chat library and the file system, in the system code
// page (or the one given), to and from the program's own text.
//
// A character whose bytes would not be written back as the same bytes comes
// in as U+FFFD, whatever the code page itself puts in its place (U+30FB for
// a broken Shift-JIS pair, say): such a name is never written out as another
// one.
std::wstring WideFromSystemCodePage(std::string_view text);
std::wstring WideFromCodePage(UINT codePage, std::string_view text);
std::string SystemCodePageFromWide(std::wstring_view text);
// Without best-fit substitution: empty when some character has no exact
// byte form, so a name never turns into another one ("D\u0101ler" would
// otherwise become "Daler"), when the bytes do not read back as the same
// text, and when it holds U+FFFD, which stands for bytes that did not read
// back.
std::optional<std::string> ExactSystemCodePageFromWide(std::wstring_view text);
std::optional<std::string> ExactCodePageFromWide(UINT codePage,
                                                 std::wstring_view text);

// Reads the chat library's text a line at a time, in the system code page,
// exactly as MultiByteToWideChar reads the whole text. Lives as long as the
// program.
const chat::ChatTextDecoder &SystemCodePageDecoder();

} // namespace slots::win32

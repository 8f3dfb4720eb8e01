#pragma once

#include "chat/chat_text_decoder.h"

#include <optional>
#include <string>
#include <string_view>

namespace slots::win32 {

// 8-bit texts of the chat library and the file system, in the system code
// page, to and from the program's own text.
std::wstring WideFromSystemCodePage(std::string_view text);
std::string SystemCodePageFromWide(std::wstring_view text);
// Without best-fit substitution: empty when some character has no exact
// byte form, so a name never turns into another one ("D\u0101ler" would
// otherwise become "Daler"), nor when it holds the replacement character
// that stood in for bytes the code page could not read.
std::optional<std::string> ExactSystemCodePageFromWide(std::wstring_view text);

// Reads the chat library's text a line at a time, in the system code page,
// exactly as MultiByteToWideChar reads the whole text. Lives as long as the
// program.
const chat::ChatTextDecoder &SystemCodePageDecoder();

} // namespace slots::win32

#pragma once

#include "chat/chat_library.h"

#include <filesystem>
#include <memory>

namespace slots::win32 {

inline constexpr wchar_t kChatLibraryFileName[] = L"wadapi.dll";

// Loads the chat client's library from the given file. Empty when the file
// or one of its five functions is missing: the card then runs without a chat
// link.
std::unique_ptr<chat::ChatLibrary>
LoadWadapiLibrary(const std::filesystem::path &dllPath);

} // namespace slots::win32

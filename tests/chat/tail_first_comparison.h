#pragma once

// Reads one text of bytes two ways: tail first from the bytes, as the card
// keeps them, and line by line from the whole text converted at once, as the
// card read it before. Shared by the native tests and a fuzz target.
#include "chat/chat_connection.h"
#include "chat/chat_text.h"
#include "chat/chat_text_reader.h"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

namespace slots::testing {

// Where the two readings first differ; empty when they agree.
inline std::string
CompareTailFirstReading(const std::string &bytes,
                        const chat::ChatTextDecoder &decoder,
                        std::span<const std::wstring_view> markers) {
  std::wstring whole;
  decoder.AppendDecoded(bytes, whole);
  std::vector<std::wstring> lines;
  chat::ChatTextReader wholeWalk;
  for (std::wstring_view line = wholeWalk.ReadChatLine(whole);;
       line = wholeWalk.ReadChatLine({})) {
    lines.emplace_back(line);
    if (line == chat::kNoMoreLines)
      break;
  }

  const chat::ChatText tailFirst(bytes, decoder);
  chat::ChatTextReader walk;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::wstring_view line =
        i == 0 ? walk.ReadChatLine(tailFirst) : walk.ReadChatLine({});
    if (line != lines[i])
      return "line " + std::to_string(i) + " differs";
  }

  // A walk to the markers stops where the line-by-line walk meets them.
  const chat::ChatText wide(whole);
  for (const chat::ChatText *text : {&tailFirst, &wide}) {
    const std::string kind = text == &wide ? "characters" : "bytes";
    chat::ChatTextReader markerWalk;
    std::size_t newerLines = 0;
    std::wstring_view line = markerWalk.ReadChatLine(*text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const bool stops =
          i == 0 || lines[i] == chat::kNoMoreLines ||
          std::any_of(markers.begin(), markers.end(), [&](std::wstring_view m) {
            return lines[i].find(m) != std::wstring::npos;
          });
      if (!stops)
        continue;
      if (i > 0)
        line = markerWalk.ReadOlderLineWithAny(markers, newerLines);
      if (line != lines[i])
        return kind + ": the marker walk reads another line than line " +
               std::to_string(i);
      if (line != chat::kNoMoreLines && newerLines != i)
        return kind + ": the marker walk counts " + std::to_string(newerLines) +
               " lines before line " + std::to_string(i);
      if (line == chat::kNoMoreLines)
        break;
    }
  }

  // The text the connection keeps, its line breaks at the end trimmed.
  chat::SleepingRepeatPause pause;
  chat::ChatConnection fromBytes(nullptr, L"test", pause);
  chat::ChatConnection fromWhole(nullptr, L"test", pause);
  fromBytes.DapiTextCallback(bytes, decoder);
  fromWhole.DapiTextCallback(whole);
  if (fromBytes.DapiText().WholeText() != fromWhole.DapiText().WholeText())
    return "the kept texts differ";
  return {};
}

} // namespace slots::testing

#include "practice/practice_chat_text.h"

#include <utility>

namespace slots::practice {
namespace {

constexpr std::wstring_view kLineBreak = L"\r\n";
constexpr std::wstring_view kSpeakerEnd = L": ";

std::wstring Joined(std::wstring_view head, std::wstring_view name,
                    std::wstring_view text) {
  std::wstring line;
  line.reserve(head.size() + name.size() + kSpeakerEnd.size() + text.size());
  line.append(head).append(name).append(kSpeakerEnd).append(text);
  return line;
}

} // namespace

void PracticeChatText::AddPublicLine(std::wstring_view speaker,
                                     std::wstring_view text) {
  AddLine(Joined(L"", speaker, text));
}

void PracticeChatText::AddReceivedPrivateLine(std::wstring_view sender,
                                              std::wstring_view message) {
  AddLine(Joined(L"ESP from ", sender, message));
}

void PracticeChatText::AddSentPrivateLine(std::wstring_view user,
                                          std::wstring_view message) {
  AddLine(Joined(L"ESP to ", user, message));
}

void PracticeChatText::AddClientLine(std::wstring_view text) {
  AddLine(std::wstring(text));
}

std::wstring PracticeChatText::WholeText() const {
  std::size_t length = 0;
  for (const std::wstring &line : lines_) {
    length += line.size() + kLineBreak.size();
  }
  std::wstring text;
  text.reserve(length);
  for (const std::wstring &line : lines_) {
    if (&line != &lines_.front()) {
      text += kLineBreak;
    }
    text += line;
  }
  return text;
}

void PracticeChatText::AddLine(std::wstring line) {
  // A line break inside a line would split it in two for every reader.
  for (wchar_t &character : line) {
    if (character == L'\r' || character == L'\n' || character == L'\0') {
      character = L' ';
    }
  }
  lines_.push_back(std::move(line));
  ++linesAdded_;
  if (lines_.size() > kKeptLines) {
    lines_.pop_front();
  }
}

} // namespace slots::practice

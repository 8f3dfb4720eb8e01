// How fast the card walks a long chat text back to its oldest line, beside a
// bare reverse scan for line breaks and beside a reader that copies the
// remaining text at every step.
#include "chat/chat_line_search.h"
#include "chat/chat_text_reader.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

namespace {

using slots::chat::ChatText;
using slots::chat::FetchedChatText;
using slots::chat::kLineBreak;
using slots::chat::kNoMoreLines;
using slots::chat::LineContains;

constexpr std::wstring_view kMarker = L"FINAL:";

// A chat text of about `characters` characters whose only marker is in its
// oldest line.
std::wstring MakeChatText(std::size_t characters) {
  std::wstring text = L"ESP from Dealer: FINAL: 01  01  01  :x(250):z";
  for (std::size_t line = 0; text.size() < characters; ++line) {
    text += kLineBreak;
    text += L"Player" + std::to_wstring(line % 97) +
            L": just chatting about the weather, line " + std::to_wstring(line);
  }
  return text;
}

const std::wstring &ChatTextOfSize(std::int64_t characters) {
  static std::map<std::int64_t, std::wstring> texts;
  auto text = texts.find(characters);
  if (text == texts.end())
    text = texts
               .emplace(characters,
                        MakeChatText(static_cast<std::size_t>(characters)))
               .first;
  return text->second;
}

FetchedChatText FetchedChatOfSize(std::int64_t characters) {
  return FetchedChatText(ChatText(ChatTextOfSize(characters)));
}

// The walk as the card does it: lines handed out as views, each tested for
// the marker.
void BM_WalkToOldestMarker(benchmark::State &state) {
  const FetchedChatText chat = FetchedChatOfSize(state.range(0));
  for (auto _ : state) {
    const auto line = chat.FindNewestLineWith(kMarker);
    benchmark::DoNotOptimize(line);
  }
  state.SetBytesProcessed(state.iterations() * chat.Text().Size() *
                          sizeof(wchar_t));
}

// Free Game's walk: three markers tested on every line of one walk.
void BM_WalkToThreeMarkers(benchmark::State &state) {
  const FetchedChatText chat = FetchedChatOfSize(state.range(0));
  for (auto _ : state) {
    const auto found = chat.FindNewestLinesWith(
        {kMarker, L"Payouts:", L"Your machinekeeper is "});
    benchmark::DoNotOptimize(found);
  }
  state.SetBytesProcessed(state.iterations() * chat.Text().Size() *
                          sizeof(wchar_t));
}

// The least any walk must do: look at every character once for breaks.
void BM_BareReverseLineBreakScan(benchmark::State &state) {
  const std::wstring_view chat = ChatTextOfSize(state.range(0));
  for (auto _ : state) {
    std::size_t breaks = 0;
    for (std::size_t i = chat.size(); i > 1; --i)
      breaks += chat[i - 1] == L'\n' && chat[i - 2] == L'\r' ? 1 : 0;
    benchmark::DoNotOptimize(breaks);
  }
  state.SetBytesProcessed(state.iterations() * chat.size() * sizeof(wchar_t));
}

// The straightforward reader: the remaining text is copied at every step.
class CopyingChatTextReader {
public:
  std::wstring ReadChatLine(const std::wstring &text) {
    if (!text.empty()) {
      remaining_ = text;
      const std::size_t lastBreak = text.rfind(kLineBreak);
      return lastBreak == std::wstring::npos ? text
                                             : text.substr(lastBreak + 2);
    }
    const std::wstring whole = remaining_;
    remaining_.clear();
    const std::size_t lineEnd = whole.rfind(kLineBreak);
    if (lineEnd == std::wstring::npos)
      return std::wstring(kNoMoreLines);
    const std::size_t previous = lineEnd == 0
                                     ? std::wstring::npos
                                     : whole.rfind(kLineBreak, lineEnd - 1);
    const std::size_t start = previous == std::wstring::npos ? 0 : previous + 2;
    remaining_ = whole.substr(0, start);
    return whole.substr(start, lineEnd - start);
  }

private:
  std::wstring remaining_;
};

void BM_CopyingWalkToOldestMarker(benchmark::State &state) {
  const std::wstring &chat = ChatTextOfSize(state.range(0));
  for (auto _ : state) {
    CopyingChatTextReader reader;
    std::wstring line = reader.ReadChatLine(chat);
    while (!LineContains(line, kMarker) && line != kNoMoreLines)
      line = reader.ReadChatLine({});
    benchmark::DoNotOptimize(line);
  }
  state.SetBytesProcessed(state.iterations() * chat.size() * sizeof(wchar_t));
}

} // namespace

BENCHMARK(BM_WalkToOldestMarker)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Arg(50 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WalkToThreeMarkers)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Arg(50 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareReverseLineBreakScan)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Arg(50 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyingWalkToOldestMarker)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

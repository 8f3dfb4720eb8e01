#include "chat/chat_text_scan.h"

namespace slots::chat {

namespace {

constexpr std::size_t kNotFound = std::string_view::npos;
constexpr std::size_t kBlock = 32;

// No early exit: the compiler turns the loop into a few vector compares.
template <typename Char> bool BlockHolds(const Char *block, Char sought) {
  unsigned hits = 0;
  for (std::size_t i = 0; i < kBlock; ++i)
    hits |= block[i] == sought ? 1U : 0U;
  return hits != 0;
}

bool IsHighByte(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

// A CR at `cr` is taken by the character before it when an odd number of
// bytes that take their next byte stand right before it: counted from the
// last byte that takes none, they pair off, and the odd one out takes the CR.
bool IsCarriageReturnFree(std::string_view text, std::size_t cr,
                          const ChatTextDecoder &decoder) {
  std::size_t takers = 0;
  while (takers < cr) {
    const char before = text[cr - 1 - takers];
    if (!IsHighByte(before) ||
        !decoder.TakesNextByte(static_cast<unsigned char>(before)))
      break;
    ++takers;
  }
  return takers % 2 == 0;
}

bool IsLineBreakAt(std::string_view text, std::size_t cr,
                   const ChatTextDecoder &decoder) {
  return text[cr] == '\r' && text[cr + 1] == '\n' &&
         IsCarriageReturnFree(text, cr, decoder);
}

bool IsLineBreakAt(std::wstring_view text, std::size_t cr) {
  return text[cr] == L'\r' && text[cr + 1] == L'\n';
}

// Calls `atLineFeed` with each LF in [from, to), first to last, until it
// answers true; returns that LF's position or npos.
template <typename Char, typename AtLineFeed>
std::size_t FindLineFeedForward(std::basic_string_view<Char> text,
                                std::size_t from, std::size_t to,
                                AtLineFeed atLineFeed) {
  const Char *chars = text.data();
  std::size_t blockStart = from;
  while (blockStart < to) {
    const std::size_t blockEnd =
        to - blockStart > kBlock ? blockStart + kBlock : to;
    if (blockEnd - blockStart < kBlock ||
        BlockHolds(chars + blockStart, static_cast<Char>('\n'))) {
      for (std::size_t lineFeed = blockStart; lineFeed < blockEnd; ++lineFeed) {
        if (chars[lineFeed] == static_cast<Char>('\n') && atLineFeed(lineFeed))
          return lineFeed;
      }
    }
    blockStart = blockEnd;
  }
  return kNotFound;
}

template <typename Char, typename IsBreakAt>
std::size_t FindNextBreak(std::basic_string_view<Char> text, std::size_t from,
                          IsBreakAt isBreakAt) {
  if (text.size() < 2 || from > text.size() - 2)
    return kNotFound;
  const std::size_t lineFeed =
      FindLineFeedForward(text, from + 1, text.size(),
                          [&](std::size_t at) { return isBreakAt(at - 1); });
  return lineFeed == kNotFound ? kNotFound : lineFeed - 1;
}

template <typename Char, typename IsBreakAt>
std::size_t CountBreaks(std::basic_string_view<Char> text, std::size_t from,
                        std::size_t to, IsBreakAt isBreakAt) {
  if (text.size() < 2 || from >= to)
    return 0;
  const std::size_t lastLineFeed = to < text.size() ? to : text.size() - 1;
  std::size_t breaks = 0;
  FindLineFeedForward(text, from + 1, lastLineFeed + 1, [&](std::size_t at) {
    breaks += isBreakAt(at - 1) ? 1 : 0;
    return false;
  });
  return breaks;
}

template <typename Char>
bool KeyStartsAt(const Char *chars, std::string_view key) {
  for (std::size_t i = 0; i < key.size(); ++i) {
    if (chars[i] != static_cast<Char>(static_cast<unsigned char>(key[i])))
      return false;
  }
  return true;
}

template <typename Char> Char FirstOf(const std::string &key) {
  return static_cast<Char>(static_cast<unsigned char>(key[0]));
}

template <typename Char>
std::size_t FindLastOfKeysIn(std::basic_string_view<Char> text,
                             std::span<const std::string> keys,
                             std::size_t end) {
  std::size_t shortest = kNotFound;
  for (const std::string &key : keys) {
    if (!key.empty() && key.size() < shortest)
      shortest = key.size();
  }
  if (shortest == kNotFound || end > text.size() || shortest > end)
    return kNotFound;
  const Char *chars = text.data();
  std::size_t blockEnd = end - shortest + 1;
  while (blockEnd > 0) {
    const std::size_t blockStart = blockEnd > kBlock ? blockEnd - kBlock : 0;
    bool worthALook = blockEnd - blockStart < kBlock;
    for (std::size_t k = 0; k < keys.size() && !worthALook; ++k)
      worthALook = !keys[k].empty() &&
                   BlockHolds(chars + blockStart, FirstOf<Char>(keys[k]));
    for (std::size_t at = blockEnd; worthALook && at-- > blockStart;) {
      for (const std::string &key : keys) {
        if (!key.empty() && at + key.size() <= end &&
            chars[at] == FirstOf<Char>(key) && KeyStartsAt(chars + at, key))
          return at;
      }
    }
    blockEnd = blockStart;
  }
  return kNotFound;
}

} // namespace

std::size_t FindLastLineBreak(std::string_view text, std::size_t end,
                              const ChatTextDecoder &decoder) {
  const char *chars = text.data();
  std::size_t blockEnd = end;
  while (blockEnd > 1) {
    const std::size_t blockStart = blockEnd > kBlock ? blockEnd - kBlock : 1;
    if (blockEnd - blockStart < kBlock ||
        BlockHolds(chars + blockStart, '\n')) {
      for (std::size_t lineFeed = blockEnd; lineFeed-- > blockStart;) {
        if (chars[lineFeed] == '\n' &&
            IsLineBreakAt(text, lineFeed - 1, decoder))
          return lineFeed - 1;
      }
    }
    blockEnd = blockStart;
  }
  return kNotFound;
}

std::size_t FindNextLineBreak(std::string_view text, std::size_t from,
                              const ChatTextDecoder &decoder) {
  return FindNextBreak(text, from, [&](std::size_t cr) {
    return IsLineBreakAt(text, cr, decoder);
  });
}

std::size_t FindNextLineBreak(std::wstring_view text, std::size_t from) {
  return FindNextBreak(text, from,
                       [&](std::size_t cr) { return IsLineBreakAt(text, cr); });
}

std::size_t CountLineBreaks(std::string_view text, std::size_t from,
                            std::size_t to, const ChatTextDecoder &decoder) {
  return CountBreaks(text, from, to, [&](std::size_t cr) {
    return IsLineBreakAt(text, cr, decoder);
  });
}

std::size_t CountLineBreaks(std::wstring_view text, std::size_t from,
                            std::size_t to) {
  return CountBreaks(text, from, to,
                     [&](std::size_t cr) { return IsLineBreakAt(text, cr); });
}

std::size_t FindLastOfKeys(std::string_view text,
                           std::span<const std::string> keys, std::size_t end) {
  return FindLastOfKeysIn(text, keys, end);
}

std::size_t FindLastOfKeys(std::wstring_view text,
                           std::span<const std::string> keys, std::size_t end) {
  return FindLastOfKeysIn(text, keys, end);
}

} // namespace slots::chat

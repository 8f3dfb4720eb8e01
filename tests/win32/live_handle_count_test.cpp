// The handle owners' count of live handles, which long runs read from the
// card to see that nothing piles up.
#include "win32/platform/gdi_handles.h"
#include "win32/platform/live_handle_query.h"

#include <gtest/gtest.h>

#include <utility>

namespace slots::win32 {
namespace {

long GdiCount() { return LiveHandleCounts::Count(HandleKind::Gdi); }

UniqueBrush MakeBrush() { return UniqueBrush(CreateSolidBrush(RGB(1, 2, 3))); }

TEST(LiveHandleCount, FollowsEveryHandleThroughMovesResetsAndReleases) {
  const long before = GdiCount();
  {
    UniqueBrush first = MakeBrush();
    UniqueBrush second = MakeBrush();
    EXPECT_EQ(GdiCount(), before + 2);
    // The handle moves, the count stays; the one replaced is gone.
    second = std::move(first);
    EXPECT_EQ(GdiCount(), before + 1);
    UniqueBrush third(std::move(second));
    EXPECT_EQ(GdiCount(), before + 1);
    third.Reset(CreateSolidBrush(RGB(4, 5, 6)));
    EXPECT_EQ(GdiCount(), before + 1);
    const HBRUSH released = third.Release();
    EXPECT_EQ(GdiCount(), before);
    DeleteObject(released);
    // A failed creation holds nothing.
    UniqueBrush none(nullptr);
    EXPECT_EQ(GdiCount(), before);
  }
  EXPECT_EQ(GdiCount(), before);
  {
    WindowDc screen(nullptr);
    EXPECT_EQ(GdiCount(), before + 1);
  }
  EXPECT_EQ(GdiCount(), before);
}

TEST(LiveHandleCount, KindsAreCountedApartAndAnsweredByTheQuery) {
  const long gdi = GdiCount();
  const long user = LiveHandleCounts::Count(HandleKind::User);
  UniqueMenu menu(CreatePopupMenu());
  EXPECT_EQ(LiveHandleCounts::Count(HandleKind::User), user + 1);
  EXPECT_EQ(GdiCount(), gdi);

  const UINT query = LiveHandleQueryMessage();
  ASSERT_NE(query, 0u);
  EXPECT_EQ(AnswerLiveHandleQuery(query, static_cast<WPARAM>(HandleKind::User)),
            user + 1);
  EXPECT_EQ(AnswerLiveHandleQuery(query, 99), 0);
  EXPECT_EQ(AnswerLiveHandleQuery(WM_PAINT, 0), std::nullopt);
}

} // namespace
} // namespace slots::win32

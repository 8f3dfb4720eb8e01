// The mends in wine_qemu_mends.c, preloaded into this 32-bit test: run by
// QEMU's i386 emulator, the address space and the fault handlers behave as
// under a kernel that runs 32-bit programs itself.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <setjmp.h>
#include <signal.h>
#include <sys/mman.h>
#include <ucontext.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#ifndef MAP_FIXED_NOREPLACE
#define MAP_FIXED_NOREPLACE 0x100000
#endif

namespace {

constexpr size_t kPage = 4096;

// Read without the heap, so that reading changes no mapping.
std::string MappingsNow() {
  static char text[1 << 16];
  const int fd = open("/proc/self/maps", O_RDONLY);
  size_t length = 0;
  for (ssize_t got = 1; got > 0 && length < sizeof(text); length += got)
    got = read(fd, text + length, sizeof(text) - length);
  close(fd);
  return std::string(text, length);
}

void *MapAnonymous(void *address, size_t length, int flags) {
  return mmap(address, length, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | flags,
              -1, 0);
}

TEST(WineQemuMends, NoReplaceMappingFailsOnATakenAddressAndMapsNothing) {
  void *taken = MapAnonymous(nullptr, 4 * kPage, 0);
  ASSERT_NE(taken, MAP_FAILED);
  const std::string before = MappingsNow();

  errno = 0;
  void *refused = MapAnonymous(taken, kPage, MAP_FIXED_NOREPLACE);
  const int refusal = errno;
  const std::string after = MappingsNow();
  EXPECT_EQ(refused, MAP_FAILED);
  EXPECT_EQ(refusal, EEXIST);
  EXPECT_EQ(after, before);

  // The same address, once free, is granted exactly.
  ASSERT_EQ(munmap(taken, 4 * kPage), 0);
  void *granted = MapAnonymous(taken, kPage, MAP_FIXED_NOREPLACE);
  EXPECT_EQ(granted, taken);
  munmap(granted, kPage);
}

sigjmp_buf afterFault;
int trapNumberSeen;

void RecordTrapNumber(int, siginfo_t *, void *context) {
  trapNumberSeen =
      static_cast<ucontext_t *>(context)->uc_mcontext.gregs[REG_TRAPNO];
  siglongjmp(afterFault, 1);
}

void WriteToAReadOnlyPage() {
  void *page = MapAnonymous(nullptr, kPage, 0);
  *static_cast<volatile char *>(page) = 1;
}
void RunAnInvalidOpcode() { asm volatile("ud2"); }
void DivideByZero() {
  asm volatile("xorl %%ecx, %%ecx\n\tdivl %%ecx" ::: "eax", "ecx", "edx");
}
void HitABreakpoint() { asm volatile("int3"); }

struct Fault {
  const char *name;
  int signal;
  void (*cause)();
  int trapNumber;
};

TEST(WineQemuMends, FaultHandlersSeeTheProcessorsTrapNumber) {
  const Fault faults[] = {
      {"page fault", SIGSEGV, WriteToAReadOnlyPage, 14},
      {"invalid opcode", SIGILL, RunAnInvalidOpcode, 6},
      {"divide error", SIGFPE, DivideByZero, 0},
      {"breakpoint", SIGTRAP, HitABreakpoint, 3},
  };
  for (const Fault &fault : faults) {
    SCOPED_TRACE(fault.name);
    struct sigaction handler = {};
    handler.sa_sigaction = RecordTrapNumber;
    handler.sa_flags = SA_SIGINFO | SA_NODEFER;
    ASSERT_EQ(sigaction(fault.signal, &handler, nullptr), 0);
    // The program is told its own handler, whatever runs in its place.
    struct sigaction installed = {};
    ASSERT_EQ(sigaction(fault.signal, nullptr, &installed), 0);
    EXPECT_EQ(installed.sa_sigaction, RecordTrapNumber);

    trapNumberSeen = -2;
    if (sigsetjmp(afterFault, 1) == 0)
      fault.cause();
    EXPECT_EQ(trapNumberSeen, fault.trapNumber);
    signal(fault.signal, SIG_DFL);
  }
}

} // namespace

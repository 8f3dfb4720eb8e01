// Loaded with LD_PRELOAD into 32-bit programs that QEMU's user-mode i386
// emulator runs, so that Wine starts and handles faults there as it does on
// a kernel that runs 32-bit programs itself. Two differences are mended:
//
// - QEMU 7.2 takes MAP_FIXED_NOREPLACE as a mere hint and maps elsewhere when
//   the address is taken. Wine reserves its address space that way and, fed
//   stray mappings instead of failures, retries in ever smaller pieces for
//   minutes. Here such a call fails with EEXIST, as the kernel's does, and
//   leaves nothing mapped.
// - QEMU 7.2 hands fault handlers a signal context whose trap number is -1,
//   so Wine takes every page fault for an illegal instruction. Handlers of
//   the fault signals are wrapped; the wrapper fills in the trap number the
//   processor would have given before the program's handler runs.
//
// Where the kernel runs the program, neither difference arises and nothing
// changes. A 64-bit build of this file is empty: LD_PRELOAD names one file
// for both word sizes, and 64-bit programs need no mending.
#if defined(__i386__)

#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <signal.h>
#include <stddef.h>
#include <sys/mman.h>
#include <sys/types.h>
#include <ucontext.h>

#ifndef MAP_FIXED_NOREPLACE
#define MAP_FIXED_NOREPLACE 0x100000
#endif

// The processor's exception numbers that Wine's handlers tell apart.
enum {
  kTrapDivide = 0,
  kTrapSingleStep = 1,
  kTrapBreakpoint = 3,
  kTrapInvalidOpcode = 6,
  kTrapProtection = 13,
  kTrapPageFault = 14,
  kTrapFloatingPoint = 16,
  kTrapUnset = -1,
};

typedef void *(*MmapFunction)(void *, size_t, int, int, int, off64_t);

static void *RefuseStrayMapping(void *wanted, void *got, size_t length,
                                int flags) {
  if (got == MAP_FAILED || (flags & MAP_FIXED_NOREPLACE) == 0 ||
      (flags & MAP_FIXED) != 0 || got == wanted)
    return got;
  munmap(got, length);
  errno = EEXIST;
  return MAP_FAILED;
}

void *mmap64(void *address, size_t length, int protection, int flags, int fd,
             off64_t offset) {
  static MmapFunction next;
  if (next == NULL)
    next = (MmapFunction)dlsym(RTLD_NEXT, "mmap64");
  return RefuseStrayMapping(
      address, next(address, length, protection, flags, fd, offset), length,
      flags);
}

void *mmap(void *address, size_t length, int protection, int flags, int fd,
           off_t offset) {
  return mmap64(address, length, protection, flags, fd, offset);
}

static int TrapNumberOf(int signal, const siginfo_t *info) {
  switch (signal) {
  case SIGSEGV:
    // The kernel reports a protection fault (a privileged instruction, a
    // bad segment) without an address code.
    return info->si_code == SI_KERNEL ? kTrapProtection : kTrapPageFault;
  case SIGBUS:
    return kTrapPageFault;
  case SIGILL:
    return kTrapInvalidOpcode;
  case SIGFPE:
    return info->si_code == FPE_INTDIV || info->si_code == FPE_INTOVF
               ? kTrapDivide
               : kTrapFloatingPoint;
  case SIGTRAP:
    return info->si_code == TRAP_TRACE ? kTrapSingleStep : kTrapBreakpoint;
  default:
    return kTrapUnset;
  }
}

typedef void (*SigactionHandler)(int, siginfo_t *, void *);
typedef int (*SigactionFunction)(int, const struct sigaction *,
                                 struct sigaction *);

// The program's own handler of each signal whose handler is wrapped.
static SigactionHandler programHandlers[NSIG];

static int IsFaultSignal(int signal) {
  return signal == SIGSEGV || signal == SIGBUS || signal == SIGILL ||
         signal == SIGFPE || signal == SIGTRAP;
}

static void FillInTrapNumber(int signal, siginfo_t *info, void *context) {
  ucontext_t *state = (ucontext_t *)context;
  if (state->uc_mcontext.gregs[REG_TRAPNO] == kTrapUnset)
    state->uc_mcontext.gregs[REG_TRAPNO] = TrapNumberOf(signal, info);
  programHandlers[signal](signal, info, context);
}

int sigaction(int signal, const struct sigaction *action,
              struct sigaction *previous) {
  static SigactionFunction next;
  if (next == NULL)
    next = (SigactionFunction)dlsym(RTLD_NEXT, "sigaction");
  if (signal <= 0 || signal >= NSIG || !IsFaultSignal(signal))
    return next(signal, action, previous);

  const SigactionHandler wrappedBefore = programHandlers[signal];
  struct sigaction installed;
  const int wraps = action != NULL && (action->sa_flags & SA_SIGINFO) != 0;
  if (wraps) {
    installed = *action;
    installed.sa_sigaction = FillInTrapNumber;
  }
  // Known before the wrapper is in place, which may run at once.
  if (action != NULL)
    programHandlers[signal] = wraps ? action->sa_sigaction : NULL;
  const int result = next(signal,
                          action == NULL ? NULL
                          : wraps        ? &installed
                                         : action,
                          previous);
  if (result != 0) {
    programHandlers[signal] = wrappedBefore;
    return result;
  }
  // The program sees its own handler, never the wrapper.
  if (previous != NULL && previous->sa_sigaction == FillInTrapNumber)
    previous->sa_sigaction = wrappedBefore;
  return 0;
}

#endif

#pragma once

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>

namespace slots::shell_test {

// Folder and file rights do not hold back the superuser, who runs the tests
// on some machines. Runs the body in a child process that has given up the
// superuser's rights for those of "nobody" (or keeps an ordinary user's), and
// answers the body's result; nothing when no such child could run it.
template <typename Body>
std::optional<bool> RunAsOrdinaryUser(const Body &body) {
  constexpr uid_t kNobody = 65534;
  constexpr int kNoChild = 2;
  const pid_t child = fork();
  if (child < 0) {
    return std::nullopt;
  }
  if (child == 0) {
    if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
      _exit(kNoChild);
    }
    _exit(body() ? 0 : 1);
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) == kNoChild) {
    return std::nullopt;
  }
  return WEXITSTATUS(status) == 0;
}

} // namespace slots::shell_test

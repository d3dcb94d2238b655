#pragma once
// Work done in a child process: as a user the folder permissions apply to (root passes every
// check), or under limits the test must not put on itself. The child's answer comes back
// through a pipe.
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace solo::test {

// Runs `work` in a child after `prepare` (which may give up root, or limit the child); returns
// the child's answer, or what went wrong.
inline std::string InChild(const std::function<bool()>& prepare, const std::function<std::string()>& work) {
  int pipes[2];
  if (::pipe(pipes) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipes[0]);
    std::string answer = "could not prepare the child";
    if (prepare()) answer = work();
    const ssize_t ignored = ::write(pipes[1], answer.data(), answer.size());
    (void)ignored;
    ::_exit(0);
  }
  ::close(pipes[1]);
  std::string answer;
  char buf[4096];
  for (ssize_t n; (n = ::read(pipes[0], buf, sizeof buf)) > 0;) answer.append(buf, static_cast<std::size_t>(n));
  ::close(pipes[0]);
  ::waitpid(child, nullptr, 0);
  return answer;
}

// Runs `work` as a user the folder's permissions apply to: as root, in a child that has given
// up root.
inline std::string AsUnprivilegedUser(const std::function<std::string()>& work) {
  if (::geteuid() != 0) return work();
  return InChild([] { return ::setgid(65534) == 0 && ::setuid(65534) == 0; }, work);
}

}  // namespace solo::test

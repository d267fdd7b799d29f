// Environment changes and child processes for tests.
#pragma once

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace vecrast::testing {

// Sets (or with nullptr removes) an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = ::getenv(name)) old_ = old, hadOld_ = true;
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ScopedEnv(const char* name, const std::string& value) : ScopedEnv(name, value.c_str()) {}
  ~ScopedEnv() { hadOld_ ? ::setenv(name_, old_.c_str(), 1) : ::unsetenv(name_); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::string old_;
  bool hadOld_ = false;
};

// The sanitizers' option variables, which every program a test starts inherits.
inline constexpr const char* kSanitizerOptionVariables[] = {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"};

// "NAME=value" for each sanitizer option variable and each of `names` that is set here: what a
// program started by a test takes over from the test's own environment.
inline std::vector<std::string> InheritedVariables(std::initializer_list<const char*> names = {}) {
  std::vector<std::string> inherited;
  const auto take = [&inherited](const char* name) {
    if (const char* value = ::getenv(name)) inherited.push_back(std::string(name) + "=" + value);
  };
  for (const char* name : kSanitizerOptionVariables) take(name);
  for (const char* name : names) take(name);
  return inherited;
}

// The user id of a user other than the superuser ("nobody").
inline constexpr uid_t kOtherUser = 65534;

// Runs `body` in a child process while the parent runs `meanwhile`, and gives the child's
// wait status. The child ends with the exit status `body` returns, or by a signal.
inline int InChild(const std::function<int()>& body, const std::function<void()>& meanwhile = {}) {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(body());
  if (meanwhile) meanwhile();
  int status = 0;
  ::waitpid(pid, &status, 0);
  return status;
}

// The same, the child running as user `uid` (unchanged when that is the current user).
inline int InChildAs(uid_t uid, const std::function<int()>& body) {
  return InChild([&] {
    if (uid != ::geteuid() && (::setgid(uid) != 0 || ::setuid(uid) != 0)) return 99;
    return body();
  });
}

// A process id that belonged to a process that has ended.
inline pid_t EndedProcessId() {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(0);
  ::waitpid(pid, nullptr, 0);
  return pid;
}

}  // namespace vecrast::testing

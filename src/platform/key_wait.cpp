#include "platform/key_wait.h"

#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace vecrast {

namespace {

constexpr unsigned char kEscape = 0x1B;
// A terminal sends the bytes of one key's escape sequence together; a lone escape byte
// followed by this much silence was the Esc key itself.
constexpr int kSequenceGapMs = 30;

bool MoreBytesPending(int fd) {
  pollfd entry{fd, POLLIN, 0};
  return poll(&entry, 1, kSequenceGapMs) > 0 && (entry.revents & POLLIN);
}

// Reads one key; true when it typed a character, false for an escape sequence. `ok` turns
// false when the terminal closed or the read failed.
bool ReadKey(int fd, bool& ok) {
  unsigned char byte = 0;
  if (read(fd, &byte, 1) != 1) {
    ok = false;
    return false;
  }
  if (byte != kEscape || !MoreBytesPending(fd)) return true;
  unsigned char rest[32];
  while (MoreBytesPending(fd)) {
    if (read(fd, rest, sizeof rest) <= 0) break;
  }
  return false;
}

}  // namespace

void WaitForKey() {
  const int fd = STDIN_FILENO;
  if (!isatty(fd)) return;
  termios saved{};
  if (tcgetattr(fd, &saved) != 0) return;
  termios raw = saved;
  raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  if (tcsetattr(fd, TCSANOW, &raw) != 0) return;
  bool ok = true;
  while (ok && !ReadKey(fd, ok)) {
  }
  tcsetattr(fd, TCSANOW, &saved);
}

}  // namespace vecrast

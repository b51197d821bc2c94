#include <errno.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>

#include "framework/core/CSocket.h"

namespace {

int Fd(UINT_PTR handle) {
  return (int)handle;
}

// TRUE when the socket is ready for events before the timeout (0: no limit).
BOOL WaitFor(int fd, short events, DWORD timeout) {
  pollfd entry = {fd, events, 0};
  int ready;
  do {
    ready = poll(&entry, 1, timeout ? (int)timeout : -1);
  } while (ready < 0 && errno == EINTR);
  if (ready == 0) errno = ETIMEDOUT;
  return ready > 0;
}

}  // namespace

BOOL AfxSocketInit() {
  return TRUE;
}

BOOL AfxGetHostName(char* buffer, int size) {
  if (!buffer || size <= 0) return FALSE;
  // POSIX leaves a truncated name unterminated.
  BOOL ok = gethostname(buffer, (size_t)size) == 0;
  buffer[ok ? size - 1 : 0] = '\0';
  return ok;
}

CSocket::~CSocket() {
  Close();
}

BOOL CSocket::Create() {
  Close();
  int fd = socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return FALSE;
  handle_ = (UINT_PTR)fd;
  return TRUE;
}

BOOL CSocket::Connect(const char* host, UINT port) {
  if (!IsOpen() || !host) {
    errno = EBADF;
    return FALSE;
  }
  addrinfo hints;
  std::memset(&hints, 0, sizeof hints);
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(host, nullptr, &hints, &found) != 0 || !found) {
    errno = EHOSTUNREACH;
    return FALSE;
  }
  sockaddr_in address;
  std::memcpy(&address, found->ai_addr, sizeof address);
  freeaddrinfo(found);
  address.sin_port = htons((unsigned short)port);
  int result;
  do {
    result = connect(Fd(handle_), (const sockaddr*)&address, sizeof address);
  } while (result < 0 && errno == EINTR);
  return result == 0;
}

int CSocket::Send(const void* data, int length, int flags) {
  const char* next = (const char*)data;
  int left = length;
  while (left > 0) {
    if (!IsOpen() || !WaitFor(Fd(handle_), POLLOUT, timeout_)) return SOCKET_ERROR;
    // A peer that went away must not end the process with SIGPIPE.
    ssize_t sent = send(Fd(handle_), next, (size_t)left, flags | MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent < 0) {
      if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) continue;
      return SOCKET_ERROR;
    }
    next += sent;
    left -= (int)sent;
  }
  return length;
}

int CSocket::Receive(void* buffer, int length, int flags) {
  if (!IsOpen() || length < 0) {
    errno = EBADF;
    return SOCKET_ERROR;
  }
  for (;;) {
    if (!WaitFor(Fd(handle_), POLLIN, timeout_)) return SOCKET_ERROR;
    ssize_t got = recv(Fd(handle_), buffer, (size_t)length, flags | MSG_DONTWAIT);
    if (got >= 0) return (int)got;
    if (errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK) return SOCKET_ERROR;
  }
}

void CSocket::Close() {
  if (!IsOpen()) return;
  close(Fd(handle_));
  handle_ = invalidHandle;
}

int CSocket::GetLastError() {
  return errno;
}

#include <winsock2.h>

#include <cstdlib>
#include <cstring>

#include "framework/core/CSocket.h"

namespace {

SOCKET Handle(UINT_PTR handle) {
  return (SOCKET)handle;
}

// TRUE when the socket is ready before the timeout (0: no limit).
BOOL WaitFor(SOCKET socket, BOOL forWriting, DWORD timeout) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(socket, &set);
  timeval limit = {(long)(timeout / 1000), (long)(timeout % 1000 * 1000)};
  int ready = select(0, forWriting ? nullptr : &set, forWriting ? &set : nullptr, nullptr, timeout ? &limit : nullptr);
  if (ready == 0) WSASetLastError(WSAETIMEDOUT);
  return ready > 0;
}

void CleanUp() {
  WSACleanup();
}

}  // namespace

BOOL AfxSocketInit() {
  static BOOL started = FALSE;
  if (!started) {
    WSADATA data;
    started = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    if (started) std::atexit(CleanUp);
  }
  return started;
}

BOOL AfxGetHostName(char* buffer, int size) {
  if (!buffer || size <= 0) return FALSE;
  BOOL ok = gethostname(buffer, size) == 0;
  buffer[ok ? size - 1 : 0] = '\0';
  return ok;
}

CSocket::~CSocket() {
  Close();
}

BOOL CSocket::Create() {
  Close();
  SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (socket == INVALID_SOCKET) return FALSE;
  handle_ = (UINT_PTR)socket;
  return TRUE;
}

BOOL CSocket::Connect(const char* host, UINT port) {
  if (!IsOpen() || !host) {
    WSASetLastError(WSAENOTSOCK);
    return FALSE;
  }
  sockaddr_in address;
  std::memset(&address, 0, sizeof address);
  address.sin_family = AF_INET;
  address.sin_port = htons((u_short)port);
  // getaddrinfo is missing before Windows XP; these two are everywhere.
  address.sin_addr.s_addr = inet_addr(host);
  if (address.sin_addr.s_addr == INADDR_NONE) {
    hostent* entry = gethostbyname(host);
    if (!entry || entry->h_addrtype != AF_INET || !entry->h_addr_list[0]) return FALSE;
    std::memcpy(&address.sin_addr, entry->h_addr_list[0], sizeof address.sin_addr);
  }
  return connect(Handle(handle_), (const sockaddr*)&address, sizeof address) == 0;
}

int CSocket::Send(const void* data, int length, int flags) {
  const char* next = (const char*)data;
  int left = length;
  while (left > 0) {
    if (!IsOpen() || !WaitFor(Handle(handle_), TRUE, timeout_)) return SOCKET_ERROR;
    int sent = send(Handle(handle_), next, left, flags);
    if (sent == SOCKET_ERROR) return SOCKET_ERROR;
    next += sent;
    left -= sent;
  }
  return length;
}

int CSocket::Receive(void* buffer, int length, int flags) {
  if (!IsOpen() || length < 0) {
    WSASetLastError(WSAENOTSOCK);
    return SOCKET_ERROR;
  }
  if (!WaitFor(Handle(handle_), FALSE, timeout_)) return SOCKET_ERROR;
  return recv(Handle(handle_), (char*)buffer, length, flags);
}

void CSocket::Close() {
  if (!IsOpen()) return;
  closesocket(Handle(handle_));
  handle_ = invalidHandle;
}

int CSocket::GetLastError() {
  return WSAGetLastError();
}

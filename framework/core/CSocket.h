// A blocking stream socket with the framework's operations: Winsock on
// Windows, BSD sockets elsewhere. Failures return FALSE or SOCKET_ERROR and
// leave the system's code for GetLastError.
#pragma once

#include "framework/core/Win32Types.h"

#ifndef SOCKET_ERROR
#define SOCKET_ERROR (-1)
#endif

// Starts the socket layer (Winsock) once per process; TRUE when it runs.
BOOL AfxSocketInit();

// The local host's name into a buffer of size bytes, always terminated.
// FALSE when the system cannot say; the buffer then holds an empty text.
BOOL AfxGetHostName(char* buffer, int size);

class CSocket {
 public:
  CSocket() = default;
  virtual ~CSocket();
  CSocket(const CSocket&) = delete;
  CSocket& operator=(const CSocket&) = delete;

  // A stream socket on any local port.
  BOOL Create();
  // Host is a name or a dotted IPv4 address.
  BOOL Connect(const char* host, UINT port);
  // Sends all bytes unless the connection fails; the count or SOCKET_ERROR.
  int Send(const void* data, int length, int flags = 0);
  // Up to length bytes as they arrive: the count, 0 when the peer closed the
  // connection, SOCKET_ERROR on failure or when the receive timeout ran out.
  int Receive(void* buffer, int length, int flags = 0);
  void Close();

  // How long Receive and Send wait for the peer; 0 waits for ever.
  void SetTimeout(DWORD milliseconds) { timeout_ = milliseconds; }
  BOOL IsOpen() const { return handle_ != invalidHandle; }
  static int GetLastError();

 private:
  static const UINT_PTR invalidHandle = ~(UINT_PTR)0;
  UINT_PTR handle_ = invalidHandle;
  DWORD timeout_ = 0;
};

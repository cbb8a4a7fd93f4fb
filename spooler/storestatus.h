// The statuses of the embedded port monitor's store: every cause of a failure
// maps to one Win32 error. The monitor's commands answer it as their status,
// and opening a port's channel fails with it when the store cannot be read.
//
//   cause                                                    status
//   -------------------------------------------------------  ----------------------------
//   no space left on the file system (SQLITE_FULL, ENOSPC,   112  ERROR_DISK_FULL
//     EDQUOT)
//   a file-size limit, RLIMIT_FSIZE (EFBIG)                  223  ERROR_FILE_TOO_LARGE
//   read-only or not permitted (SQLITE_READONLY,             5    ERROR_ACCESS_DENIED
//     SQLITE_PERM, EROFS, EACCES, EPERM)
//   busy beyond the busy time out (SQLITE_BUSY,              170  ERROR_BUSY
//     SQLITE_LOCKED, EBUSY, EAGAIN)
//   a port name that cannot be stored exactly (it holds a    123  ERROR_INVALID_NAME
//     lone UTF-16 surrogate)
//   any other value that cannot be stored exactly            87   ERROR_INVALID_PARAMETER
//   damaged (SQLITE_CORRUPT, a failed quick_check)           1392 ERROR_FILE_CORRUPT
//   not a port store: not a regular file, not SQLite, or     13   ERROR_INVALID_DATA
//     SQLite without the store's schema and version
//     (SQLITE_NOTADB, EISDIR, SQLITE_ERROR from the store's
//     own statements)
//   the store's folder cannot be reached or made (ENOENT,    3    ERROR_PATH_NOT_FOUND
//     ENOTDIR, ELOOP, ENAMETOOLONG)
//   out of memory (SQLITE_NOMEM, ENOMEM)                     8    ERROR_NOT_ENOUGH_MEMORY
//   any other failure of the file system (EIO, ...)          1117 ERROR_IO_DEVICE
//
// SQLite's result decides where it names the cause itself (SQLITE_FULL,
// SQLITE_BUSY, SQLITE_CORRUPT, ...); for SQLITE_IOERR and SQLITE_CANTOPEN the
// system error does (sqlite3_system_errno, or else the errno that the failed
// file kept, SQLITE_FCNTL_LAST_ERRNO).
#pragma once

#include "platform/win32.h"

namespace spooler {

// The status of a failed SQLite call: its (extended) result code and the
// system error of the connection. ERROR_SUCCESS for SQLITE_OK, SQLITE_ROW and
// SQLITE_DONE.
DWORD storeStatus(int sqliteResult, int systemError);

// The status of a failed system call on the store's files (errno).
DWORD storeStatusOfErrno(int systemError);

} // namespace spooler

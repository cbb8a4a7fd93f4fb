#include "spooler/storestatus.h"

#include <sqlite3.h>

#include <cerrno>

namespace spooler {

DWORD storeStatusOfErrno(int systemError) {
    switch (systemError) {
    case 0:
        return ERROR_SUCCESS;
    case ENOSPC:
    case EDQUOT:
        return ERROR_DISK_FULL;
    case EFBIG:
        return ERROR_FILE_TOO_LARGE;
    case EROFS:
    case EACCES:
    case EPERM:
        return ERROR_ACCESS_DENIED;
    case EISDIR:
        return ERROR_INVALID_DATA;
    case ENOENT:
    case ENOTDIR:
    case ELOOP:
    case ENAMETOOLONG:
        return ERROR_PATH_NOT_FOUND;
    case ENOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    case EBUSY:
    case EAGAIN:
        return ERROR_BUSY;
    default:
        return ERROR_IO_DEVICE;
    }
}

DWORD storeStatus(int sqliteResult, int systemError) {
    switch (sqliteResult & 0xff) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
        return ERROR_SUCCESS;
    case SQLITE_FULL:
        return ERROR_DISK_FULL;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return ERROR_ACCESS_DENIED;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return ERROR_BUSY;
    case SQLITE_CORRUPT:
        return ERROR_FILE_CORRUPT;
    case SQLITE_NOTADB:
    case SQLITE_ERROR:
    case SQLITE_SCHEMA:
        return ERROR_INVALID_DATA;
    case SQLITE_NOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    case SQLITE_TOOBIG:
    case SQLITE_MISMATCH:
    case SQLITE_CONSTRAINT:
    case SQLITE_RANGE:
        return ERROR_INVALID_PARAMETER;
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
        if (sqliteResult == SQLITE_IOERR_NOMEM) {
            return ERROR_NOT_ENOUGH_MEMORY;
        }
        return systemError != 0 ? storeStatusOfErrno(systemError) : ERROR_IO_DEVICE;
    default:
        return ERROR_IO_DEVICE;
    }
}

} // namespace spooler

// A full file system for tests, through SQLite: while a FullDisk lives, the
// default SQLite VFS is a wrapper of the usual one in which every write that
// makes a file grow takes its growth from a budget of bytes; a write that
// needs more than is left fails as it does on a full disk (ENOSPC, answered
// as SQLITE_FULL) and writes nothing. Writes within a file's size always
// succeed, as they do on a full disk. One FullDisk at a time.
#pragma once

#include <sqlite3.h>

class FullDisk {
public:
    explicit FullDisk(sqlite3_int64 budget);
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;
    ~FullDisk();

    // Writes refused so far.
    int refused() const;
};

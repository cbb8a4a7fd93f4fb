#include "fulldisk.h"

#include <cerrno>

namespace {

struct WrappedFile {
    sqlite3_file base;
    sqlite3_file* real; // the usual VFS's file, stored right behind this one
};

sqlite3_vfs* usual = nullptr;
sqlite3_vfs wrapper;
sqlite3_int64 budget = 0;
int refusals = 0;

sqlite3_file* real(sqlite3_file* file) {
    return reinterpret_cast<WrappedFile*>(file)->real;
}

int write(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset) {
    sqlite3_file* inner = real(file);
    sqlite3_int64 size = 0;
    const int rc = inner->pMethods->xFileSize(inner, &size);
    if (rc != SQLITE_OK) {
        return rc;
    }
    const sqlite3_int64 growth = offset + amount - size;
    if (growth > 0) {
        if (growth > budget) {
            ++refusals;
            errno = ENOSPC;
            return SQLITE_FULL;
        }
        budget -= growth;
    }
    return inner->pMethods->xWrite(inner, data, amount, offset);
}

// Everything else goes to the usual file as it is.
const sqlite3_io_methods methods = {
    3,
    [](sqlite3_file* f) { return real(f)->pMethods->xClose(real(f)); },
    [](sqlite3_file* f, void* data, int amount, sqlite3_int64 offset) {
        return real(f)->pMethods->xRead(real(f), data, amount, offset);
    },
    write,
    [](sqlite3_file* f, sqlite3_int64 size) { return real(f)->pMethods->xTruncate(real(f), size); },
    [](sqlite3_file* f, int flags) { return real(f)->pMethods->xSync(real(f), flags); },
    [](sqlite3_file* f, sqlite3_int64* size) {
        return real(f)->pMethods->xFileSize(real(f), size);
    },
    [](sqlite3_file* f, int lock) { return real(f)->pMethods->xLock(real(f), lock); },
    [](sqlite3_file* f, int lock) { return real(f)->pMethods->xUnlock(real(f), lock); },
    [](sqlite3_file* f, int* out) { return real(f)->pMethods->xCheckReservedLock(real(f), out); },
    [](sqlite3_file* f, int op, void* arg) {
        return real(f)->pMethods->xFileControl(real(f), op, arg);
    },
    [](sqlite3_file* f) { return real(f)->pMethods->xSectorSize(real(f)); },
    [](sqlite3_file* f) { return real(f)->pMethods->xDeviceCharacteristics(real(f)); },
    [](sqlite3_file* f, int region, int size, int extend, void volatile** out) {
        return real(f)->pMethods->xShmMap(real(f), region, size, extend, out);
    },
    [](sqlite3_file* f, int offset, int n, int flags) {
        return real(f)->pMethods->xShmLock(real(f), offset, n, flags);
    },
    [](sqlite3_file* f) { real(f)->pMethods->xShmBarrier(real(f)); },
    [](sqlite3_file* f, int deleteFlag) {
        return real(f)->pMethods->xShmUnmap(real(f), deleteFlag);
    },
    [](sqlite3_file* f, sqlite3_int64 offset, int amount, void** out) {
        return real(f)->pMethods->xFetch(real(f), offset, amount, out);
    },
    [](sqlite3_file* f, sqlite3_int64 offset, void* page) {
        return real(f)->pMethods->xUnfetch(real(f), offset, page);
    },
};

int open(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags) {
    auto* wrapped = reinterpret_cast<WrappedFile*>(file);
    wrapped->real = reinterpret_cast<sqlite3_file*>(wrapped + 1);
    wrapped->real->pMethods = nullptr;
    const int rc = usual->xOpen(usual, name, wrapped->real, flags, outFlags);
    wrapped->base.pMethods = wrapped->real->pMethods ? &methods : nullptr;
    return rc;
}

} // namespace

FullDisk::FullDisk(sqlite3_int64 bytes) {
    usual = sqlite3_vfs_find(nullptr);
    wrapper = *usual;
    wrapper.szOsFile = int(sizeof(WrappedFile)) + usual->szOsFile;
    wrapper.zName = "netport-full-disk";
    wrapper.pNext = nullptr;
    wrapper.xOpen = open;
    budget = bytes;
    refusals = 0;
    sqlite3_vfs_register(&wrapper, 1);
}

FullDisk::~FullDisk() {
    sqlite3_vfs_register(usual, 1);
    sqlite3_vfs_unregister(&wrapper);
}

int FullDisk::refused() const {
    return refusals;
}

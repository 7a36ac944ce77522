#include "playlist/systemerror.h"

#include <cerrno>

FailureKind failureKindOf(int error, FailureKind otherwise) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return FailureKind::NotFound;
    case EACCES:
    case EPERM:
        return FailureKind::NoPermission;
    case EROFS:
        return FailureKind::ReadOnly;
    case ENOSPC:
    case EDQUOT:
        return FailureKind::NoSpace;
    case EFBIG:
        return FailureKind::TooLarge;
    default:
        return otherwise;
    }
}

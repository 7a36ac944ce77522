#pragma once

#include "playlist/result.h"

// The kind of failure that an error number of the system stands for: nothing there, no
// permission, a read-only disk, no space, a file too large. `otherwise` for any other error.
FailureKind failureKindOf(int error, FailureKind otherwise);

#pragma once

#include "io/OutputPath.h"
#include "io/StopSignals.h"

namespace quorvane {

/// Keeps a second run from writing into the same copy while this one does: a lock file in the
/// copy's folder, held for the life of the object and removed with it, or by a stop signal
/// (StopSignals.h). Two runs at once would otherwise both succeed and leave a tree mixed from
/// both.
class TOutputLock {
public:
    /// Makes `folder` (without following links below its root) and locks it. Throws EFileError
    /// when another run holds it, or when it cannot be made.
    explicit TOutputLock(const TOutputPath& folder);
    ~TOutputLock();
    TOutputLock(const TOutputLock&) = delete;
    TOutputLock& operator=(const TOutputLock&) = delete;

private:
    TFileDescriptor FFolder;
    TFileDescriptor FLock;
    TStopCleanup FStopRemoval; // released before FFolder closes
};

} // namespace quorvane

#pragma once

#include <QImage>
#include <QString>

#include <chrono>
#include <optional>

namespace Pictures {

inline constexpr char MetafileHelperName[] = "morvane-wmf";
// How long the helper may take before it is killed; its CPU limit is a little shorter.
inline constexpr std::chrono::milliseconds MetafileHelperTimeout{5000};

// The metafile helper beside the running program or, installed, in ../libexec/morvane/ from it.
// Empty when it is in neither place.
QString metafileHelperPath();

// Renders the metafile at `metafilePath` in a child process running `helper` (normally
// metafileHelperPath()), limited in memory, CPU time and wall time, and checks what it hands back.
// Nullopt when the helper is missing, fails, crashes, runs out of time or writes anything but one
// valid raster. Blocks the calling thread for at most MetafileHelperTimeout.
std::optional<QImage> renderMetafile(const QString &metafilePath,
                                     const QString &helper = metafileHelperPath());

} // namespace Pictures

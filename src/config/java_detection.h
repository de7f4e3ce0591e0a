#pragma once
// Finds an installed Java runtime through the registry entries its installer leaves: the
// 64-bit view first (on 64-bit Windows), then the program's own view.
#include "config/java_info.h"
#include "platform/platform.h"

namespace cw {

JavaInfo detect_java(Platform& platform);

}  // namespace cw

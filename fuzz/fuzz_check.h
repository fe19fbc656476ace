// Stops a fuzz run at the first broken property, saying which and where.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace lumiq::fuzz {

// The builtins stand in for std::source_location, which clang 14 lacks.
inline void Check(bool holds, const char* property, const char* file = __builtin_FILE(),
                  int line = __builtin_LINE()) {
  if (holds) return;
  std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, property);
  std::abort();
}

}  // namespace lumiq::fuzz

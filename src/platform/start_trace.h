#pragma once
// A developer's trace of the program's start, phase by phase: when the environment variable
// CUBEWORKS_START_TRACE names a file, each mark appends one line "phase<TAB>milliseconds" to it,
// the milliseconds counted from the process's creation (on Windows; elsewhere from the first
// mark). Without the variable a mark costs one look at a flag. The start-up benchmark reads the
// file to say where the start's time goes.
namespace cw::start_trace {

inline constexpr char kVariable[] = "CUBEWORKS_START_TRACE";

// Marks the end of a phase of the start (a short name without blanks).
void mark(const char* phase);

}  // namespace cw::start_trace

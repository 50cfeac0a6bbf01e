#pragma once

#include <string>

namespace tockly::platform::test {

// Runs the probe program (beside this test program, or at `program`) with one argument and
// returns its exit code; -1 when it could not be run.
int run_probe(const std::wstring& argument, std::wstring program = {});
// The probe beside this test program.
std::wstring probe_path();

}  // namespace tockly::platform::test

// SPDX-License-Identifier: GPL-3.0-or-later
// Built into the generation tests under ThreadSanitizer only: its default
// options name the suppressions kept beside this file, so that the tests run
// the same way from ctest and by hand (TSAN_OPTIONS still adds to them).
extern "C" const char* __tsan_default_options() { return "suppressions=" ORVALIS_TSAN_SUPPRESSIONS; }

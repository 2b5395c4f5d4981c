#pragma once

// How long a test waits for a condition before it fails: long enough that a
// slow, busy machine never fails a test that a quick one passes. Nothing
// waits this long unless the condition never comes.
inline constexpr int DeadlineMs = 20000;

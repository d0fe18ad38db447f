// The program's life: its clean-up hooks, and the flags that mark the message loop's start and
// the beginning of the end.
#pragma once

using Hook = void (*)();

// Adds a routine to run once at orderly shutdown, after those added before it; a routine already
// registered is not added again.
void register_cleanup(Hook hook);

// Runs the registered routines in registration order, each once.
void run_cleanup_hooks();

void mark_loop_started();
bool loop_started();

// Set when shutdown or a fatal error begins; from then on no event runs an action.
void begin_ending();
bool ending();

// The progress file: a run counter and the version text, kept from one run
// to the next.
#pragma once

// Reads the progress file into `game`, `RunningTime` and `version`; a
// missing or broken file is reported on screen, and play goes on with a
// counter of 0 (or what was read before the error) and the version "v".
void initialize_gamedat(const char* filename);

// Writes `game` back to "game.dat" with the counter set to `RunningTime` + 1.
// The new file replaces the old one whole (written beside it, then renamed),
// so a crash mid-write never leaves a broken file. Where the file or its
// folder cannot be written, nothing is saved and nothing is said.
void saveRunCounter();

// Forgets what start-up learnt about the progress file (for tests, which
// play many games in one process).
void forgetProgressFile();

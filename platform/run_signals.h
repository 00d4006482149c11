#pragma once

namespace nk {

// Signals that steer a run from outside, as test drivers and session managers send them:
// SIGTERM and SIGINT end the run the way --frames does (its snapshot is still written), SIGUSR1
// asks for the snapshot at once, SIGUSR2 takes the window's render device away as a system may
// (its textures are lost and the game resets it). Installed at start, before anything else can
// take the signals.
void installRunSignals();

// An end was asked for.
bool quitSignalled();

// A snapshot was asked for since the last call.
bool takeSnapshotRequest();

// The device's loss was asked for since the last call.
bool takeDeviceLossRequest();

}  // namespace nk

#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace nk::xm {

// A FastTracker 2 module (version 1.04) as our writer builds it: one sample per instrument,
// linear frequency table.

constexpr uint8_t kKeyOff = 97;

struct Sample {
  std::string name;
  std::vector<int16_t> data;
  uint32_t loopStart = 0;   // in samples
  uint32_t loopLength = 0;  // 0: no loop
  uint8_t volume = 64;      // 0..64
  int8_t finetune = 0;      // 1/128 semitone
  int8_t relativeNote = 0;
  uint8_t panning = 128;
};

struct Envelope {
  std::vector<std::pair<uint16_t, uint16_t>> points;  // (tick, level 0..64); empty: off
  int sustain = -1;                                   // point held while the key is down
};

struct Instrument {
  std::string name;
  Sample sample;
  Envelope volume;
  uint16_t fadeout = 0;  // after key-off, per tick, out of 32768
  // Automatic sine vibrato: depth 0..15, rate 0..63, sweep (ticks to full depth).
  uint8_t vibratoSweep = 0, vibratoDepth = 0, vibratoRate = 0;
};

struct Cell {
  uint8_t note = 0;        // 1..96 (49 is C-4), kKeyOff, 0 none
  uint8_t instrument = 0;  // 1-based, 0 none
  uint8_t volume = 0;      // volume column byte (0x10 + 0..64 sets the volume), 0 none
  uint8_t effect = 0;
  uint8_t param = 0;
};

struct Pattern {
  int rows = 64;
  std::vector<Cell> cells;  // rows x channels, row by row
};

struct Module {
  std::string name;
  int channels = 8;    // even, 2..32
  uint16_t speed = 6;  // ticks per row
  uint16_t bpm = 125;
  uint16_t restart = 0;  // order index the song loops back to
  std::vector<uint8_t> order;
  std::vector<Pattern> patterns;
  std::vector<Instrument> instruments;
};

// The module as the bytes of an .xm file.
std::string WriteXm(const Module& module);

}  // namespace nk::xm

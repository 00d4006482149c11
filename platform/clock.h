#pragma once
#include <cstdint>

namespace nk {

// The machine's clocks as the frame timer sees them: a high-resolution counter (which may be
// missing) and a millisecond clock as the fallback.
class Clock {
 public:
  virtual ~Clock() = default;
  // Ticks per second of the high-resolution counter; false when the machine has none.
  virtual bool queryFrequency(int64_t& frequency) const = 0;
  virtual int64_t counter() const = 0;
  virtual uint32_t milliseconds() const = 0;
  // Asks the system for 1 ms timer resolution while the millisecond clock is in use.
  virtual void setFineResolution(bool /*on*/) {}
};

class SystemClock final : public Clock {
 public:
  bool queryFrequency(int64_t& frequency) const override;
  int64_t counter() const override;
  uint32_t milliseconds() const override;
};

// A clock that only moves when told to: headless runs and tests.
class VirtualClock final : public Clock {
 public:
  // 1,200,000 ticks per second: 1/120 s and 1 ms are both whole numbers of ticks.
  static constexpr int64_t kFrequency = 1'200'000;

  explicit VirtualClock(bool highResolution = true) : highRes_(highResolution) {}
  bool queryFrequency(int64_t& frequency) const override;
  int64_t counter() const override { return ticks_; }
  uint32_t milliseconds() const override { return static_cast<uint32_t>(ticks_ / (kFrequency / 1000)); }
  void setFineResolution(bool on) override { fineResolution_ = on; }

  void set(int64_t ticks) { ticks_ = ticks; }
  void advance(int64_t ticks) { ticks_ += ticks; }
  void advanceMs(int64_t ms) { ticks_ += ms * (kFrequency / 1000); }
  bool fineResolution() const { return fineResolution_; }

 private:
  bool highRes_;
  bool fineResolution_ = false;
  int64_t ticks_ = 0;
};

}  // namespace nk

#pragma once

#include "core/datetime.h"

namespace orvosal {

// "Today" and "now" for every date-dependent rule; tests replace it with a fixed clock.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime now() const = 0;
  Date today() const { return now().date(); }
};

// The workstation's local time.
class SystemClock final : public Clock {
 public:
  DateTime now() const override;
};

// A clock that stands still at a given moment until it is moved.
class FixedClock final : public Clock {
 public:
  explicit FixedClock(DateTime moment) : moment_(moment) {}
  DateTime now() const override { return moment_; }
  void set(DateTime moment) { moment_ = moment; }

 private:
  DateTime moment_;
};

}  // namespace orvosal

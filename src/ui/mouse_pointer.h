#pragma once

namespace vellox {

inline constexpr int kPointerDefault = 0;
inline constexpr int kPointerHourglass = 11;
// Work goes on beside a window that still answers.
inline constexpr int kPointerBackground = 13;

// The main window's mouse pointer: 11 hourglass, 13 arrow and hourglass, 0 default.
class MousePointer {
 public:
  virtual ~MousePointer() = default;
  virtual void set(int pointer) = 0;
  virtual int get() const = 0;
};

// Sets the hourglass for one scope and restores the default on every path out.
class BusyPointer {
 public:
  explicit BusyPointer(MousePointer& pointer) : pointer_(pointer) { pointer_.set(kPointerHourglass); }
  ~BusyPointer() { pointer_.set(kPointerDefault); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  MousePointer& pointer_;
};

}  // namespace vellox

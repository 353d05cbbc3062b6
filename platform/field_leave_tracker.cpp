#include "platform/field_leave_tracker.h"

#include <algorithm>

namespace platform {

void FieldLeaveTracker::KeyPressed(int field, bool enter) {
  finishing_ = enter ? field : -1;
}

void FieldLeaveTracker::MouseUsed() {
  finishing_ = -1;
}

bool FieldLeaveTracker::FocusLost(int field, FocusLoss why, int focusNow) {
  finishing_ = field;
  // Focus moving between the parts of one field (its edit box and its list) leaves nothing.
  if (field < 0 || why != FocusLoss::Moved || focusNow == field) return false;
  const std::size_t before = pending_.size();
  Queue(field);
  return pending_.size() != before;
}

void FieldLeaveTracker::EnterPressed(int focused) {
  if (focused >= 0) Queue(focused);
}

void FieldLeaveTracker::Queue(int field) {
  const auto index = static_cast<std::size_t>(field);
  if (std::find(pending_.begin(), pending_.end(), index) == pending_.end())
    pending_.push_back(index);
}

bool FieldLeaveTracker::Dispatch(const std::function<void()>& action) {
  if (host_.Ended() || depth_ > 0) return false;
  ++depth_;
  while (!pending_.empty() && !host_.Ended()) {
    const std::size_t field = pending_.front();
    pending_.erase(pending_.begin());
    host_.RunLeave(field);
  }
  if (!host_.Ended()) action();
  --depth_;
  return true;
}

}  // namespace platform

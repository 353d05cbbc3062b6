#include "platform/field_leave_tracker.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using platform::FieldLeaveTracker;
using platform::FocusLoss;

// Logs each leave ("L<field>") and handler call; a leave of `endingField` ends the model.
struct Window : FieldLeaveTracker::Host {
  bool Ended() const override { return ended; }
  void RunLeave(std::size_t field) override {
    log += "L" + std::to_string(field) + " ";
    ended = ended || static_cast<int>(field) == endingField;
  }
  std::string log;
  bool ended = false;
  int endingField = -1;
};

struct Row {
  const char* what;
  std::function<void(FieldLeaveTracker&, Window&)> steps;
  const char* log;
};

// A handler call that logs its name, and the tracker's answer after the fact.
void Call(FieldLeaveTracker& t, Window& w, const std::string& name) {
  const bool ran = t.Dispatch([&] { w.log += name + " "; });
  if (!ran) w.log += "(" + name + " dropped) ";
}
void Lose(FieldLeaveTracker& t, Window& w, int field, FocusLoss why, int now) {
  if (t.FocusLost(field, why, now)) w.log += "q" + std::to_string(field) + " ";
}

TEST(FieldLeaveTracker, WhenFieldsAreLeftAndHandlersRun) {
  const Row rows[] = {
      {"focus moved away: one leave, run before the next handler call",
       [](auto& t, auto& w) {
         Lose(t, w, 2, FocusLoss::Moved, -1);
         Call(t, w, "A");
         Call(t, w, "B");
       },
       "q2 L2 A B "},
      {"to another field, in the order left",
       [](auto& t, auto& w) {
         Lose(t, w, 1, FocusLoss::Moved, 3);
         Lose(t, w, 3, FocusLoss::Moved, -1);
         Call(t, w, "A");
       },
       "q1 q3 L1 L3 A "},
      {"a message box took the window's activation",
       [](auto& t, auto& w) {
         Lose(t, w, 2, FocusLoss::WindowInactive, -1);
         Call(t, w, "A");
       },
       "A "},
      {"the field's own list popped up",
       [](auto& t, auto& w) {
         Lose(t, w, 2, FocusLoss::OwnPopup, -1);
         Call(t, w, "A");
       },
       "A "},
      {"the focus is still in the field",
       [](auto& t, auto& w) {
         Lose(t, w, 2, FocusLoss::Moved, 2);
         Call(t, w, "A");
       },
       "A "},
      {"no field lost it",
       [](auto& t, auto& w) {
         Lose(t, w, -1, FocusLoss::Moved, 2);
         Call(t, w, "A");
       },
       "A "},
      {"a field left twice runs once",
       [](auto& t, auto& w) {
         Lose(t, w, 2, FocusLoss::Moved, -1);
         Lose(t, w, 2, FocusLoss::Moved, 4);
         t.EnterPressed(2);
         Call(t, w, "A");
       },
       "q2 L2 A "},
      {"Enter leaves the focused field first, once",
       [](auto& t, auto& w) {
         t.EnterPressed(1);
         t.EnterPressed(1);
         t.EnterPressed(-1);
         Call(t, w, "OK");
       },
       "L1 OK "},
      {"nothing runs inside a handler; a leave queued there waits",
       [](auto& t, auto& w) {
         Call(t, w, "A");
         t.Dispatch([&] {
           Lose(t, w, 4, FocusLoss::Moved, -1);
           Call(t, w, "inner");
         });
         Call(t, w, "B");
       },
       "A q4 (inner dropped) L4 B "},
      {"an ended model runs nothing",
       [](auto& t, auto& w) {
         Lose(t, w, 1, FocusLoss::Moved, -1);
         w.ended = true;
         Call(t, w, "A");
       },
       "q1 (A dropped) "},
      {"a leave that ends the model stops the rest",
       [](auto& t, auto& w) {
         w.endingField = 1;
         t.EnterPressed(1);
         t.EnterPressed(2);
         Call(t, w, "A");
       },
       "L1 "},
  };
  for (const Row& row : rows) {
    Window w;
    FieldLeaveTracker t(w);
    row.steps(t, w);
    EXPECT_EQ(w.log, row.log) << row.what;
  }
}

TEST(FieldLeaveTracker, IdleRunsWaitForTheMouseAndFinishingEdits) {
  Window w;
  FieldLeaveTracker t(w);
  EXPECT_FALSE(t.IdleRunDue(false));
  t.EnterPressed(3);
  EXPECT_FALSE(t.IdleRunDue(true));  // the press may become a click, which runs the leave
  EXPECT_TRUE(t.IdleRunDue(false));

  t.KeyPressed(2, true);
  EXPECT_TRUE(t.IsFinishing(2));
  EXPECT_FALSE(t.IsFinishing(1));
  t.KeyPressed(2, false);
  EXPECT_FALSE(t.IsFinishing(2));
  t.FocusLost(5, FocusLoss::WindowInactive, -1);
  EXPECT_TRUE(t.IsFinishing(5));
  t.MouseUsed();
  EXPECT_FALSE(t.IsFinishing(5));
  t.KeyPressed(-1, true);
  EXPECT_FALSE(t.IsFinishing(-1));
}

}  // namespace

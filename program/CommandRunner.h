#pragma once

#include <deque>
#include <functional>
#include <vector>

namespace taviron {

// The rules every operator command runs under, whatever toolkit draws the windows. One command
// runs at a time; a second is refused while it runs. Meanwhile the windows keep painting but
// take no operator input, except the box or dialog that the running sequence itself shows and
// waits on. Steps that must not interrupt a sequence (a window's show and activation handlers)
// wait until it ends, and so does a request to close the program: the boxes and dialogs of the
// running sequence are dismissed so that it comes to its end, and the main window closes then.
class CommandRunner {
 public:
  // A window as its toolkit knows it; nullptr for none.
  using Window = const void*;

  // Closes the main window now, which runs the shutdown; set once the main window exists.
  std::function<void()> closeMainWindow;
  // Dismisses the box or dialog the running sequence waits on; called when a close is asked for
  // during a sequence, and again by the front end until the sequence has ended.
  std::function<void()> dismissAwaited;
  // Told when a command starts (true) and when it has ended (false), so that the windows show
  // the commands unavailable exactly while one runs.
  std::function<void(bool busy)> busyChanged;

  // Runs an operator command. Refused (false) while another one runs.
  bool Run(const std::function<void()>& command);
  // Runs the step now, or after the running command when one runs.
  void RunWhenIdle(std::function<void()> step);
  // Runs the work a dialog's button starts inside a command: meanwhile the dialog takes no input
  // either, until the work shows a box of its own or ends.
  void Working(const std::function<void()>& step);

  // While it lives, the window (a box or dialog the running sequence shows) is the only one that
  // takes operator input.
  class Awaiting {
   public:
    Awaiting(CommandRunner& runner, Window window);
    ~Awaiting();
    Awaiting(const Awaiting&) = delete;
    Awaiting& operator=(const Awaiting&) = delete;

   private:
    CommandRunner& runner_;
  };

  bool Busy() const { return depth_ > 0; }
  // The window that takes operator input while a command runs; nullptr when none does.
  Window Awaited() const { return awaited_.empty() ? nullptr : awaited_.back(); }
  // The window takes operator input now: no command runs, or the running one waits on it.
  bool AwaitsOperator(Window window) const;

  // Closes the main window (and so ends the program) as soon as no command runs.
  void RequestClose();
  bool ClosePending() const { return closePending_; }
  // The system ends the program (the session ends, the console closes): nobody may be there to
  // answer a box, and a box would hold the end, so from now on the windows show none.
  void SystemEnds() { systemEnding_ = true; }
  bool SystemEnding() const { return systemEnding_; }

 private:
  void AfterCommand();

  int depth_ = 0;
  std::vector<Window> awaited_;
  std::deque<std::function<void()>> deferred_;
  bool closePending_ = false;
  bool systemEnding_ = false;
};

}  // namespace taviron

#pragma once
// Everything that waits or talks to the person goes through the host: pauses, waits for the
// user, message boxes, the beep and sounds. The window has one host, the tests another.
#include <atomic>
#include <functional>
#include <optional>
#include <string>

namespace solo {

// Thrown by the game's own pause and wait when New Game or leaving the program abandons the
// hand: it unwinds the whole hand to the hand loop.
struct HandAbandoned {};

// Tells a pause that it may end early: the hand it belongs to has been abandoned.
class Interruption {
 public:
  virtual bool Interrupted() const = 0;

 protected:
  ~Interruption() = default;
};

enum class Sound { Card, Shuffle };

// The system's standard message box.
enum class BoxButtons { Ok, OkCancel, YesNo };
enum class BoxIcon { None, Question, Critical, Information, Warning };
enum class BoxAnswer { Ok, Cancel, Yes, No };

// Why a box is shown. Whoever answers boxes without a person (the simulator, the tests)
// answers by purpose, never by the box's words.
enum class BoxPurpose {
  Notice,           // something to tell, with an OK button
  Welcome,          // start at once, or look around first
  HigherBidOrPass,  // the user's bid does not beat one already made
  PassedOut,        // everybody passed: a new deal without a shuffle
  TrumpsChanged,    // the contract changed the trumps
  HandResult,       // the contract made or failed
  NewGameOrExit,    // after the settlement
  ReallyErase,      // erase all the points?
  ReallyNewGame,    // abandon the game for a new one?
  ReallyExit,       // leave the program?
  ReallyShutDown,   // the window's close button
  ResumeHand,       // play on a hand left unfinished?
};

// The program's own message box: a prompt, up to three buttons (an empty caption is no
// button), a picture 1-3 and a title.
struct DeluxeBox {
  BoxPurpose purpose = BoxPurpose::Notice;
  std::string prompt;
  std::string button1, button2, button3;
  int icon = 1;
  std::string title;
};

class Host {
 public:
  virtual ~Host() = default;

  // Lets the table run for `ms` milliseconds of the game's time, or less once it is
  // interrupted. Window events (clicks, menus, repaints) are served meanwhile.
  virtual void Pause(int ms, const Interruption& interruption) = 0;
  // Lets the table run until `done()` is true.
  virtual void WaitFor(const std::function<bool()>& done) = 0;
  // A handler changed something a pause or wait may be waiting on.
  virtual void Wake() {}
  // Runs a long computation (a computer player's search) and returns once it has ended. The
  // window runs it on another thread and serves its events meanwhile; once `interruption`
  // says the hand is abandoned it sets `stop`, which the work checks often and then ends early.
  // The work must touch nothing the table's handlers change. Here it simply runs.
  virtual void Compute(const std::function<void(const std::atomic<bool>& stop)>& work, const Interruption&) {
    const std::atomic<bool> never{false};
    work(never);
  }

  // While on, a hand is being brought back to where it was (resumed, or played again up to a
  // take-back): pauses end at once, no sound is played, and a box is answered by its first
  // button without being shown. Where nothing is shown or heard anyway it changes nothing.
  virtual void FastForward(bool) {}

  // Shows the program's message box and returns the index of the clicked button (0-2).
  virtual int ShowDeluxeBox(const DeluxeBox& box) = 0;
  // The program's message box, filled anew for every box shown: one is reused, so the boxes of
  // a long run of hands do not allocate.
  DeluxeBox box;
  // Whether the boxes' words are read at all: a host that answers by purpose alone (the
  // simulator's) is given the purpose only.
  virtual bool ReadsBoxes() const { return true; }
  virtual BoxAnswer ShowMessageBox(BoxPurpose purpose, const std::string& text, const std::string& title,
                                   BoxButtons buttons, BoxIcon icon) = 0;
  // The text-input box; nothing when the person cancels it.
  virtual std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                              const std::string& defaultText) = 0;
  // A passing line in the status bar, for what the person should see but need not answer (a
  // failure told once already, say). Nothing where there is no status bar.
  virtual void ShowStatus(const std::string&) {}
  virtual void Beep() = 0;
  // Starts a sound without waiting for it; a new sound takes over from one still playing.
  virtual void PlaySound(Sound sound) = 0;
};

}  // namespace solo

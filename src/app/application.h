#pragma once
#include <memory>
#include <optional>
#include <vector>
#include "app/command_line.h"
#include "automatic/auto_options.h"
#include "app/main_window.h"
#include "app/splash.h"
#include "app/tray.h"
#include "common/program_state.h"
#include "automatic/clean_report.h"
#include "platform/instance.h"
#include "platform/services.h"

namespace vellox {

enum class StartResult { Running, AlreadyRunning, BadArguments };

// How long Exit gives the wipe in progress to stop and the exit's clean to run; the installer
// waits this long, and a little more, for a running Vellox to end.
inline constexpr std::chrono::seconds kExitCleanTime{120};
inline constexpr const char* kExitTimeRanOut = "the time for exit ran out";
// Held from the moment the program begins to end, so that the installer can tell an exit
// that is still cleaning from a program that does not answer.
inline constexpr const char* kEndingLockName = "Local\\TarnVellox.Ending";

struct AutoCleanRun;

// The life of the process: start-up, the tray, the main window, the exit.
class Application {
 public:
  // `clock` times the retries of the tray icon.
  explicit Application(Services& services, SteadyClock clock = std::chrono::steady_clock::now);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Arguments that are not understood are said and end the program; a wipe asked of a
  // second instance is handed to the running one.
  StartResult startUp(const LaunchRequest& launch = {});
  // Shows the window on the Secure Wipe tab with `path` as the target and the warning up.
  void wipeFromShell(const std::string& path);
  // Shows the main window, loading it first when it is closed, then selects `tab`.
  void showMain(std::optional<int> tab);
  // Closes the main window: its close handler runs, then it is destroyed.
  void unloadMain();
  void exitSequence();
  // Ends the program as "Exit" answered with OK does, without asking: a wipe stops after
  // the write in progress. For the installer, which replaces the program's files.
  void end();
  // Cancels every wipe and waits for the write in progress, until `until` when given.
  void stopWipes(std::optional<std::chrono::steady_clock::time_point> until = std::nullopt);
  // The shell never took the tray icon: without it the program could not be
  // opened or ended, so it says so and ends.
  void trayIconRefused();

  // Automatic cleaning. At start-up it runs beside the window, once start-up has
  // loaded the preferences; at exit and at the session's end it runs before this
  // returns, by `until` when given, after stopping what the worker still does.
  // Each runs only when its box asks for it.
  void startUpClean();
  bool cleansAtShutdown();
  void shutdownClean(CleanMoment moment, std::optional<std::chrono::steady_clock::time_point> until = std::nullopt);

  frmmain* mainWindow() { return main_.get(); }
  frmtray* tray() { return tray_.get(); }
  frmSplash* splash() { return splash_.get(); }
  bool ended() const { return ended_; }
  ProgramState& state() { return state_; }

 private:
  void finishStartUp();
  void actAtStartUp();
  void loadMain();
  void retireLater();
  AutoOptions autoOptions();
  // By value: the run may be the one `cleanRun_` holds, and let go of here.
  void continueClean(std::shared_ptr<AutoCleanRun> run);
  void cancelWorker(std::optional<std::chrono::steady_clock::time_point> until);
  void cutOffClean(AutoCleanRun& run, CleanMoment by);
  void finishClean(CleanMoment moment, const CleanReport& report);
  void showCleanStatus(const std::string& text);

  Services& services_;
  SteadyClock clock_;
  // Declared before the windows, which refer to it, and gone with the application,
  // before the services.
  ProgramState state_;
  std::unique_ptr<InstanceLock> instanceLock_;
  std::unique_ptr<InstanceLock> endingLock_;
  std::unique_ptr<HandOffListener> handOffListener_;
  // A wipe asked on the command line, waiting for start-up to end.
  std::optional<std::string> launchWipe_;
  std::unique_ptr<frmtray> tray_;
  std::unique_ptr<frmSplash> splash_;
  std::unique_ptr<frmmain> main_;
  // Windows closed from inside their own handlers are destroyed after the event.
  std::vector<std::unique_ptr<frmmain>> retiredMains_;
  // The start-up clean while its steps are still to come.
  std::shared_ptr<AutoCleanRun> cleanRun_;
  // Whether a main window was ever loaded, by start-up or by the user.
  bool mainLoaded_ = false;
  bool actedAtStartUp_ = false;
  bool ended_ = false;
};

}  // namespace vellox

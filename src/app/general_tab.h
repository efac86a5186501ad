#pragma once
#include <array>
#include "common/stored_options.h"
#include "automatic/auto_options.h"
#include "common/program_state.h"
#include "platform/services.h"
#include "ui/main_controls.h"
#include "ui/tab.h"
#include "wipe/shred_level.h"

namespace vellox {

// The General tab: start-up with Windows, the automatic clean's options, and the
// temporary folder and Recycle Bin, which act when the user ticks their box and once
// at start-up, never when the window merely loads its stored options.
class GeneralTab : public Tab, public GeneralControls {
 public:
  static constexpr int kPage = kTabGeneral;
  // `chkDelCachedPasswords` is the Cache tab's box, which the automatic clean follows.
  GeneralTab(GeneralControls controls, const CheckBox& chkDelCachedPasswords, const ShredLevel& level,
             Services& services, ProgramState& state, TabHost& host);

  void loadStored() override;
  void saveStored() override;
  void unloading() override;
  // What an automatic clean does, as the controls show it now.
  AutoOptions autoOptions() const;
  // Start-up: the Recycle Bin is emptied, then the temporary folder cleared, as their boxes say.
  void actAtStartUp();

  void chkdeltempfiles_Click();
  void chkEmptyRecycleBin_Click();
  void clearTempFolder();
  // Unasked, at start-up, it shows no progress window and plays no sound.
  void emptyRecycleBin(bool shown);

 private:
  std::array<StoredBox, 9> storedBoxes();
  void emptyBinIfTicked(bool asked);

  const CheckBox& chkDelCachedPasswords_;
  const ShredLevel& level_;
  Services& services_;
  ProgramState& state_;
  TabHost& host_;
  // True while stored values fill the boxes: their change is not the user's tick.
  bool loading_ = false;
};

}  // namespace vellox

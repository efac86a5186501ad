#pragma once
#include "ui/check_box.h"
#include "ui/option_button.h"

namespace vellox {

// 3 passes for Quick, 7 for US DOD, while "Secure Wipe all other areas" is on; 0 deletes plainly.
inline int shredPasses(bool secure, bool quick) { return secure ? (quick ? 3 : 7) : 0; }

// The level the Secure Wipe tab's "Secure Wipe all other areas" asks of the other
// tabs' deletions, read from its controls each time: nothing mirrors them.
class ShredLevel {
 public:
  ShredLevel(const CheckBox& chkSecureForAll, const OptionButton& optQuick)
      : secureForAll_(chkSecureForAll), quick_(optQuick) {}
  int securePasses() const { return shredPasses(secureForAll_.value() == 1, quick_.value()); }

 private:
  const CheckBox& secureForAll_;
  const OptionButton& quick_;
};

}  // namespace vellox

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include "browsers/keep_cookies_dialog.h"
#include "fakes/headless/headless_views.h"

namespace vellox::test {
namespace {

using Sites = std::vector<std::string>;

Sites texts(const ListBox& list) {
  Sites all;
  for (std::size_t i = 0; i < list.count(); ++i) all.push_back(list.text(i));
  return all;
}

void select(ListBox& list, const Sites& wanted) {
  for (std::size_t i = 0; i < list.count(); ++i)
    list.setSelected(i, std::find(wanted.begin(), wanted.end(), list.text(i)) != wanted.end());
}

TEST(KeepCookiesForm, SitesMoveBetweenTheListsAndOkHandsOverTheKeptOnes) {
  auto owned = std::make_unique<HeadlessKeepCookiesView>();
  auto& view = *owned;
  std::optional<Sites> handed;
  int closes = 0;
  frmKeepCookies form(std::move(owned), {"b.test", "a.test", "c.test", "a.test"}, {"c.test", "old.test", ""},
                      [&](const Sites* kept) {
                        ++closes;
                        if (kept) handed = *kept;
                      });
  view.show();
  // Kept sites leave the left list; one kept without cookies now stays on the right.
  EXPECT_EQ(texts(view.lstSites), (Sites{"a.test", "b.test"}));
  EXPECT_EQ(texts(view.lstKept), (Sites{"c.test", "old.test"}));

  select(view.lstSites, {"b.test"});
  view.cmdKeep.click();
  EXPECT_EQ(texts(view.lstSites), (Sites{"a.test"}));
  EXPECT_EQ(texts(view.lstKept), (Sites{"b.test", "c.test", "old.test"}));
  select(view.lstKept, {"c.test", "old.test"});
  view.cmdRemove.click();
  EXPECT_EQ(texts(view.lstSites), (Sites{"a.test", "c.test"}));  // only sites with cookies go back
  EXPECT_EQ(texts(view.lstKept), (Sites{"b.test"}));

  view.cmdOk.click();
  view.onCloseBox.fire();  // closed already
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(handed, (Sites{"b.test"}));
  EXPECT_FALSE(view.visible());
}

TEST(KeepCookiesForm, CancelAndTheCloseBoxHandOverNothing) {
  for (bool closeBox : {false, true}) {
    auto owned = std::make_unique<HeadlessKeepCookiesView>();
    auto& view = *owned;
    int cancels = 0;
    frmKeepCookies form(std::move(owned), {"a.test"}, {}, [&](const Sites* kept) { cancels += kept == nullptr; });
    view.show();
    closeBox ? view.onCloseBox.fire() : view.cmdCancel.click();
    EXPECT_EQ(cancels, 1) << closeBox;
  }
}

}  // namespace
}  // namespace vellox::test

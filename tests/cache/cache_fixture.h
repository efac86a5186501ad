#pragma once
#include <memory>
#include "app/main_window.h"
#include "fakes/test_env.h"

namespace vellox::test {

// A loaded main window over fakes, with the cache tab's controls at hand.
struct CacheWindow {
  TestEnv env;
  std::unique_ptr<frmmain> form = std::make_unique<frmmain>(env.services, env.state, [] {});
  FakeUrlCache& cache = env.urlCache;
  HeadlessMainView& view = *env.views.main;
  HeadlessListBox& list = view.List1;

  std::vector<std::string> listed() const {
    std::vector<std::string> items;
    for (std::size_t i = 0; i < list.count(); ++i) items.push_back(list.text(i));
    return items;
  }
  std::vector<std::size_t> selectedItems() const {
    std::vector<std::size_t> items;
    for (std::size_t i = 0; i < list.count(); ++i)
      if (list.selected(i)) items.push_back(i);
    return items;
  }
  // Nothing of the cache's left open or allocated, and the pointer back to default.
  void expectTidy() const {
    EXPECT_EQ(cache.openHandles(), 0);
    EXPECT_EQ(cache.liveBlocks, 0);
    EXPECT_EQ(cache.badReleases, 0);
    EXPECT_LE(cache.mostLiveBlocks, 1);
    EXPECT_EQ(view.pointer.get(), kPointerDefault);
  }
};

}  // namespace vellox::test

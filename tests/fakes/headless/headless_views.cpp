#include "fakes/headless/headless_views.h"
#include <initializer_list>

namespace vellox {

namespace {

const double kListWidth = 7500.0;
using Design = std::initializer_list<const char*>;

// Each control as the resources make the real one, from its line of the table.
template <class T>
T made(HeadlessMainView& view, Design) {
  return T(view.focus);
}
template <>
HeadlessButton made(HeadlessMainView& view, Design caption) {
  return HeadlessButton(view.focus, *caption.begin());
}
template <>
HeadlessStatusBar made(HeadlessMainView&, Design) {
  return HeadlessStatusBar();
}
template <>
HeadlessProgressBar made(HeadlessMainView&, Design) {
  return HeadlessProgressBar();
}
template <>
HeadlessTabControl made(HeadlessMainView& view, Design) {
  return HeadlessTabControl(view.focus, {std::begin(kTabCaptions), std::end(kTabCaptions)}, kFirstTab);
}
template <>
HeadlessListView made(HeadlessMainView& view, Design headers) {
  return HeadlessListView(view.focus, view.order, {headers.begin(), headers.end()}, kListWidth);
}
template <>
HeadlessOptionButton made(HeadlessMainView& view, Design) {
  return HeadlessOptionButton(view.focus, view.wipeLevel, false);
}

}  // namespace

#define VELLOX_MAKE_CONTROL(type, name, tab, id, ...) name(made<Headless##type>(*this, {__VA_ARGS__})),
HeadlessMainView::HeadlessMainView(const TextOrder& textOrder)
    : order(textOrder), VELLOX_MAIN_CONTROLS(VELLOX_MAKE_CONTROL) pointer() {
  optQuick.setValue(true);
}
#undef VELLOX_MAKE_CONTROL

HeadlessMainView::~HeadlessMainView() {
  if (destroyedFlag) *destroyedFlag = true;
}

std::unique_ptr<TrayView> HeadlessViewFactory::createTray() {
  auto view = std::make_unique<HeadlessTrayView>();
  view->failAdd = failTray;
  tray = view.get();
  return view;
}

std::unique_ptr<SplashView> HeadlessViewFactory::createSplash() {
  auto view = std::make_unique<HeadlessSplashView>();
  splash = view.get();
  ++splashesCreated;
  return view;
}

std::unique_ptr<MainView> HeadlessViewFactory::createMain() {
  auto view = std::make_unique<HeadlessMainView>(order_);
  main = view.get();
  ++mainsCreated;
  return view;
}

std::unique_ptr<KeepCookiesView> HeadlessViewFactory::createKeepCookies(std::uintptr_t) {
  auto view = std::make_unique<HeadlessKeepCookiesView>();
  keepCookies = view.get();
  return view;
}

}  // namespace vellox

#include "browsers/browser_run.h"

namespace vellox {

void BrowserRun::status(std::string text) {
  ui_.post([self = shared_from_this(), text = std::move(text)] {
    if (self->running_ && self->onStatus) self->onStatus(text);
  });
}

void BrowserRun::found(std::string key, std::string text) {
  ui_.post([self = shared_from_this(), key = std::move(key), text = std::move(text)] {
    if (self->onFound) self->onFound(key, text);
  });
}

void BrowserRun::finish(std::function<void()> ending, bool stopped) {
  ui_.post([self = shared_from_this(), ending = std::move(ending), stopped] {
    self->running_ = false;
    self->stopped_ = stopped;
    if (self->onEnded) self->onEnded();
    if (!self->silenced_) ending();
  });
}

}  // namespace vellox

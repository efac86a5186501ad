#pragma once
#include "platform/url_history.h"

namespace vellox::test {

class FakeUrlHistory : public UrlHistoryService {};

}  // namespace vellox::test

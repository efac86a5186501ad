#pragma once
#include "platform/url_cache.h"

namespace vellox::test {

class FakeUrlCache : public UrlCache {};

}  // namespace vellox::test

#pragma once
#include "fakes/test_env.h"

namespace vellox::test {

// The test environment's services, with another file service in place of the fake one.
inline Services servicesWithFiles(TestEnv& env, Files& files) {
  const Services& s = env.services;
  return {s.ui,       s.views,      s.settings, s.registry, s.shell,        files,
          s.urlCache, s.urlHistory, s.download, s.instance, s.systemFolders, s.processes, s.freeSpace};
}

}  // namespace vellox::test

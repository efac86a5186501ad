#pragma once

namespace vellox {

class Ui;
class ViewFactory;
class SettingsStore;
class Registry;
class Shell;
class Files;
class UrlCache;
class UrlHistoryService;
class Download;
class Instance;
class SystemFolders;
class Processes;
class FreeSpace;

// The Windows services the logic reaches, built once by the entry point (or a test).
struct Services {
  Ui& ui;
  ViewFactory& views;
  SettingsStore& settings;
  Registry& registry;
  Shell& shell;
  Files& files;
  UrlCache& urlCache;
  UrlHistoryService& urlHistory;
  Download& download;
  Instance& instance;
  SystemFolders& systemFolders;
  Processes& processes;
  FreeSpace& freeSpace;
};

}  // namespace vellox

// A Verdelune over the fake platform, and the settings file it reads, for the window tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/App.h"
#include "platform/fake/FakePlatform.h"

namespace vl::test {

inline const std::wstring kSettingsPath = L"C:\\Verdelune\\verdelune.ini";

class AppFixture : public ::testing::Test {
 protected:
  AppFixture() : app(fake) {}

  // The settings file as the moderator left it (Windows-1252 bytes; "\n" becomes CR LF).
  void PutSettings(const std::string& text) {
    std::string bytes;
    for (char c : text) {
      if (c == '\n') bytes += '\r';
      bytes += c;
    }
    fake.fakeProfile().PutFile(kSettingsPath, bytes);
  }
  std::string SettingsBytes() { return fake.fakeProfile().FileBytes(kSettingsPath); }
  bool HasSettings() { return fake.fakeProfile().HasFile(kSettingsPath); }
  std::wstring Setting(const std::wstring& section, const std::wstring& key) {
    return fake.fakeProfile().ReadString(section, key, kSettingsPath, 800);
  }
  // Starts the program as its entry point does.
  void Start() {
    ASSERT_TRUE(fake.Deliver([&] { app.Start(); }));
  }

  FakePlatform fake;
  App app;
};

}  // namespace vl::test

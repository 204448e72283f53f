// The files beside the program may be missing or damaged, and a chosen sound may sit on a
// drive that is gone: the hand pointer stays the arrow, the greeting's sound falls back to the
// system's, and neither call holds the program up.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "win32/WinTestSupport.h"

namespace {

TEST(BrokenFiles, AMissingOrDamagedPointerOrSoundIsPassedOver) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path();
  const std::filesystem::path damagedFile = folder / L"verdelune-damaged.bin";
  const std::wstring damaged = damagedFile.wstring();
  std::ofstream(damagedFile, std::ios::binary) << "RIFF\x10\0\0\0WAVEfmt garbage, not a cursor";
  vl::win32::Win32Platform platform;
  vltest::SampleForm form{platform};
  form.Load();
  const std::wstring paths[] = {(folder / L"verdelune-absent.cur").wstring(), damaged,
                                L"Q:\\absent\\ding-dong1.wav"};
  for (const std::wstring& path : paths) {
    EXPECT_FALSE(form.SetPointerFromFile(path));
    const auto start = std::chrono::steady_clock::now();
    platform.sound().PlayAsync(path);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  }
  form.ResetPointer();  // with no pointer taken: nothing to give back
  std::filesystem::remove(damagedFile);
}

}  // namespace

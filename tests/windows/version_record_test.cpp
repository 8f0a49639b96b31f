#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The version record and icon that every tarvinel executable for Windows carries, read back from
// this test's own executable, which is built with the same resource file.
namespace {

std::vector<char> OwnVersionInfo() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
  std::vector<char> info(size);
  if (size == 0 || !GetFileVersionInfoW(path, 0, size, info.data())) info.clear();
  return info;
}

std::wstring StringValue(std::vector<char>& info, const wchar_t* name) {
  const std::wstring key = std::wstring(L"\\StringFileInfo\\040204B0\\") + name;
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(info.data(), key.c_str(), &value, &length) || length == 0) return {};
  return static_cast<const wchar_t*>(value);
}

TEST(VersionRecord, NamesVersion100) {
  std::vector<char> info = OwnVersionInfo();
  ASSERT_FALSE(info.empty());
  EXPECT_EQ(StringValue(info, L"FileVersion"), L"1.00");
  EXPECT_EQ(StringValue(info, L"ProductVersion"), L"1.00");
  EXPECT_EQ(StringValue(info, L"FileDescription"), L"Биология - ера и период");

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), 1);
  EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), 0);
}

TEST(VersionRecord, CarriesTheIcon) {
  EXPECT_NE(FindResourceW(nullptr, L"IDI_ICON1", MAKEINTRESOURCEW(14)), nullptr);  // RT_GROUP_ICON
}

}  // namespace

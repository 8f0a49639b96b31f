#include "accessibility.hpp"

// After windows.h:
#include <initguid.h>
#include <oleacc.h>

#include "system_api.hpp"
#include "tarvinel/design.hpp"
#include "tarvinel/win32_owned.hpp"
#include "tarvinel/win32_text.hpp"

namespace tarvinel::win32 {
namespace {

// UI Automation's notification, Windows 10 1709 and later; the values are those of its
// NotificationKind and NotificationProcessing.
using HostProviderFn = HRESULT(WINAPI*)(HWND, IUnknown**);
using RaiseNotificationFn = HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR);
constexpr int kActionCompleted = 2;
constexpr int kMostRecent = 3;
// UI Automation's LiveSetting property, Polite, for the older Windows.
constexpr GUID kLiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;
// EVENT_OBJECT_LIVEREGIONCHANGED, from Windows 8 on; the headers show it only to programs that
// need Windows 8.
constexpr DWORD kLiveRegionChanged = 0x8019;

}  // namespace

void NameForAssistiveTechnology(HWND list, HWND output) {
  ComPtr<IAccPropServices> services;
  if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices,
                              reinterpret_cast<void**>(services.Receive())))) {
    return;
  }
  std::wstring listName = Wide(design::kPeriodLabelText);
  std::wstring outputName = Wide(design::kOutputBoxName);
  const auto client = static_cast<DWORD>(OBJID_CLIENT);
  services->SetHwndPropStr(list, client, CHILDID_SELF, PROPID_ACC_NAME, listName.data());
  services->SetHwndPropStr(output, client, CHILDID_SELF, PROPID_ACC_NAME, outputName.data());
  VARIANT polite{};
  polite.vt = VT_I4;
  polite.lVal = kPolite;
  services->SetHwndProp(output, client, CHILDID_SELF, kLiveSettingProperty, polite);
}

// As a UI Automation notification that waits for what is being said (the era's "selected", the
// row's name), or, on Windows before 10 1709, as a change of the output box.
void Announce(HWND output, const std::wstring& report) {
  static const auto hostProvider =
      SystemFunction<HostProviderFn>(L"uiautomationcore.dll", "UiaHostProviderFromHwnd");
  static const auto raise =
      SystemFunction<RaiseNotificationFn>(L"uiautomationcore.dll", "UiaRaiseNotificationEvent");
  ComPtr<IUnknown> provider;
  if (hostProvider && raise && SUCCEEDED(hostProvider(output, provider.Receive())) && provider) {
    const Bstr text(report);
    const Bstr activity(L"tarvinel.report");
    if (SUCCEEDED(
            raise(provider.Get(), kActionCompleted, kMostRecent, text.Get(), activity.Get()))) {
      return;
    }
  }
  NotifyWinEvent(kLiveRegionChanged, output, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace tarvinel::win32

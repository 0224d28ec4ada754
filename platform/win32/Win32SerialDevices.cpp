#include "platform/win32/Win32SerialDevices.h"

// clang-format off
#include <windows.h>
#include <initguid.h>
#include <devguid.h>
#include <setupapi.h>
// clang-format on

#include <algorithm>
#include <cctype>
#include <map>

namespace taviron {
namespace {

// The UTF-8 form of a system string.
std::string Narrow(const std::wstring& text) {
  if (text.empty()) return {};
  int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) {
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                          nullptr, nullptr);
  }
  return out;
}

// A registry string as stored, without the terminator it may or may not carry.
std::wstring RegistryText(const std::vector<BYTE>& data, DWORD bytes) {
  std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), bytes / sizeof(wchar_t));
  return text.substr(0, text.find(L'\0'));
}

// The COM names of the serial map, the ports whose drivers are running now.
std::vector<std::string> SerialMapNames() {
  std::vector<std::string> names;
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
      ERROR_SUCCESS) {
    return names;
  }
  for (DWORD index = 0;; ++index) {
    wchar_t valueName[256];
    DWORD nameLength = 256;
    DWORD type = 0;
    std::vector<BYTE> data(512);
    DWORD bytes = static_cast<DWORD>(data.size());
    LONG result =
        ::RegEnumValueW(key, index, valueName, &nameLength, nullptr, &type, data.data(), &bytes);
    if (result == ERROR_NO_MORE_ITEMS) break;
    if (result != ERROR_SUCCESS || type != REG_SZ) continue;
    names.push_back(Narrow(RegistryText(data, bytes)));
  }
  ::RegCloseKey(key);
  return names;
}

std::string DeviceProperty(HDEVINFO set, SP_DEVINFO_DATA& info, DWORD property) {
  std::vector<BYTE> data(1024);
  DWORD type = 0;
  DWORD bytes = 0;
  if (!::SetupDiGetDeviceRegistryPropertyW(set, &info, property, &type, data.data(),
                                           static_cast<DWORD>(data.size()), &bytes) ||
      type != REG_SZ) {
    return {};
  }
  return Narrow(RegistryText(data, bytes));
}

// The bus a device was found on: the first part of its instance id
// ("USB\\VID_0403&PID_6001\\A600").
std::string Enumerator(HDEVINFO set, SP_DEVINFO_DATA& info) {
  wchar_t id[512];
  if (!::SetupDiGetDeviceInstanceIdW(set, &info, id, 512, nullptr)) return {};
  std::wstring text(id);
  return Narrow(text.substr(0, text.find(L'\\')));
}

// The ports of the Ports class that are present, as the device installer describes them.
std::vector<DescribedComPort> InstalledComPorts() {
  std::vector<DescribedComPort> ports;
  HDEVINFO set = ::SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
  if (set == INVALID_HANDLE_VALUE) return ports;
  SP_DEVINFO_DATA info{};
  info.cbSize = sizeof info;
  for (DWORD index = 0; ::SetupDiEnumDeviceInfo(set, index, &info); ++index) {
    HKEY key = ::SetupDiOpenDevRegKey(set, &info, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE) continue;
    std::vector<BYTE> data(256);
    DWORD bytes = static_cast<DWORD>(data.size());
    DWORD type = 0;
    LONG result = ::RegQueryValueExW(key, L"PortName", nullptr, &type, data.data(), &bytes);
    ::RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ) continue;
    ports.push_back({Narrow(RegistryText(data, bytes)),
                     DeviceProperty(set, info, SPDRP_FRIENDLYNAME),
                     DeviceProperty(set, info, SPDRP_MFG), Enumerator(set, info)});
  }
  ::SetupDiDestroyDeviceInfoList(set);
  return ports;
}

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
  return text;
}

// Buses of USB serial adapters: USB itself, and the bus drivers of adapters that bring their own.
bool IsUsbBus(const std::string& enumerator) {
  const std::string bus = Upper(enumerator);
  return bus == "USB" || bus == "FTDIBUS" || bus == "SILABSER" || bus == "PROLIFIC";
}

}  // namespace

std::vector<SerialDevice> ComPortsOf(const std::vector<std::string>& serialMap,
                                     const std::vector<DescribedComPort>& described) {
  std::map<int, SerialDevice> byNumber;
  auto entry = [&](const std::string& name) -> SerialDevice* {
    const int number = ComPortNumber(name);
    if (number == 0) return nullptr;  // nothing a COM name reaches
    SerialDevice& device = byNumber[number];
    device.name = device.path = "COM" + std::to_string(number);
    return &device;
  };
  for (const std::string& name : serialMap)
    entry(name);
  for (const DescribedComPort& port : described) {
    SerialDevice* device = entry(port.portName);
    if (device == nullptr) continue;
    std::string model = port.friendlyName;
    const std::string suffix = " (" + device->name + ")";
    if (model.size() > suffix.size() &&
        Upper(model.substr(model.size() - suffix.size())) == suffix) {
      model.resize(model.size() - suffix.size());
    }
    device->model = model;
    // Built-in ports name no maker: "(Standard port types)".
    device->maker = port.maker.rfind('(', 0) == 0 ? std::string() : port.maker;
    device->usb = IsUsbBus(port.enumerator);
  }
  std::vector<SerialDevice> devices;
  for (auto& [number, device] : byNumber)
    devices.push_back(std::move(device));
  return devices;
}

std::vector<SerialDevice> FindSerialDevices(const DeviceRoots&) {
  return ComPortsOf(SerialMapNames(), InstalledComPorts());
}

}  // namespace taviron

#include <algorithm>
#include <fstream>
#include <map>
#include <string_view>
#include <tuple>

#include "base/SerialDevices.h"

namespace taviron {
namespace {

namespace fs = std::filesystem;

// The first line of a sysfs attribute, or "" when it cannot be read.
std::string Attribute(const fs::path& file) {
  std::ifstream in(file);
  std::string line;
  if (!in || !std::getline(in, line)) return {};
  while (!line.empty() && (line.back() == ' ' || line.back() == '\r'))
    line.pop_back();
  return line;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// Built-in ports, USB adapters, and USB modem-class devices; other ttys (consoles, virtual
// terminals, pseudo-terminals) lead to no switch.
bool IsSerialName(std::string_view name) {
  return StartsWith(name, "ttyS") || StartsWith(name, "ttyUSB") || StartsWith(name, "ttyACM");
}

// A built-in port's driver reserves ttyS0 to ttyS3 and more whether a UART answers there or not;
// it reports the UART's type, 0 for none.
bool HasUart(const fs::path& ttyDirectory) {
  std::string type = Attribute(ttyDirectory / "type");
  return !type.empty() && type != "0";
}

// The USB device above the tty's device in the tree: the first directory with a vendor id.
fs::path UsbDeviceOf(const fs::path& device, const fs::path& sysRoot) {
  std::error_code ec;
  const fs::path top = fs::weakly_canonical(sysRoot, ec);
  for (fs::path at = device; !at.empty() && at != top && at != at.root_path();
       at = at.parent_path()) {
    if (fs::exists(at / "idVendor", ec)) return at;
  }
  return {};
}

// The by-id links, by the name of the device each leads to.
std::map<std::string, std::string> StableLinks(const fs::path& devRoot) {
  std::map<std::string, std::string> links;
  std::error_code ec;
  const fs::path byId = devRoot / "serial" / "by-id";
  for (fs::directory_iterator it(byId, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code linkError;
    fs::path target = fs::read_symlink(it->path(), linkError);
    if (linkError) continue;
    std::string name = target.filename().string();
    // Of several links to one device, the first in name order is kept, so the choice is steady.
    auto found = links.find(name);
    std::string link = it->path().string();
    if (found == links.end() || link < found->second) links[name] = link;
  }
  return links;
}

// "ttyUSB10" after "ttyUSB9": the letters, then the number.
std::tuple<std::string, long, std::string> SortKey(const std::string& name) {
  std::size_t digits = name.find_first_of("0123456789");
  if (digits == std::string::npos) return {name, -1, {}};
  std::size_t end = name.find_first_not_of("0123456789", digits);
  std::string number = name.substr(digits, end == std::string::npos ? end : end - digits);
  long value = number.size() > 9 ? -1 : std::stol(number);
  return {name.substr(0, digits), value, name.substr(digits)};
}

}  // namespace

std::vector<SerialDevice> FindSerialDevices(const DeviceRoots& roots) {
  std::vector<SerialDevice> devices;
  const std::map<std::string, std::string> links = StableLinks(roots.dev);
  std::error_code ec;
  for (fs::directory_iterator it(roots.sys / "class" / "tty", ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!IsSerialName(name)) continue;
    std::error_code deviceError;
    fs::path device = fs::canonical(it->path() / "device", deviceError);
    if (deviceError) continue;  // a tty without hardware behind it
    if (StartsWith(name, "ttyS") && !HasUart(it->path())) continue;

    SerialDevice found;
    found.name = name;
    found.path = (roots.dev / name).string();
    if (auto link = links.find(name); link != links.end()) found.stablePath = link->second;
    if (fs::path usb = UsbDeviceOf(device, roots.sys); !usb.empty()) {
      found.usb = true;
      found.maker = Attribute(usb / "manufacturer");
      found.model = Attribute(usb / "product");
      std::string vendor = Attribute(usb / "idVendor");
      std::string product = Attribute(usb / "idProduct");
      if (!vendor.empty()) found.usbId = vendor + ":" + product;
    }
    devices.push_back(std::move(found));
  }
  std::sort(devices.begin(), devices.end(), [](const SerialDevice& a, const SerialDevice& b) {
    return SortKey(a.name) < SortKey(b.name);
  });
  return devices;
}

}  // namespace taviron

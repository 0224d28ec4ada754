#pragma once

#include <string>

namespace taviron {

// What the status queries keep of the switch's answers.
struct StatusValues {
  std::string PortConfig = "FFFFFFFF";  // display code per port, 'F' when not obtained
  std::string PortErrors = "77777777";  // port error code per port, '0' no error
  std::string RelayState;               // "1" on, "0" off, "255" after a failed query
  std::string FwErrorCode;              // four characters, "----" after a failed query
  std::string FwErrorMessage;
};

}  // namespace taviron

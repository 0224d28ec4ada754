#pragma once

#include <string>

namespace taviron::test {

// A pseudo-terminal: the test plays the switch on the master side, and the device side is a
// serial device to open. The device side is held open too, as the simulator holds it.
class PtyPair {
 public:
  PtyPair();
  ~PtyPair();
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;
  const std::string& path() const { return path_; }
  // Writes the bytes as the switch sends them, and gives them a moment to arrive.
  void Send(const std::string& bytes);
  // What was written to the device side so far.
  std::string Take();

 private:
  int master_ = -1;
  int keep_ = -1;
  std::string path_;
};

}  // namespace taviron::test

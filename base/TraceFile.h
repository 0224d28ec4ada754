#pragma once

#include <filesystem>
#include <ostream>
#include <streambuf>

#include "base/HeldLogFile.h"

namespace taviron {

// The file a window program writes its trace of the wire to: appended to and held as the error
// log is, so a link in its place is never followed and a FIFO or device is refused at once.
// Every line reaches the file as it is written.
class TraceFile {
 public:
  TraceFile() = default;
  TraceFile(const TraceFile&) = delete;
  TraceFile& operator=(const TraceFile&) = delete;

  // False when the file cannot be opened and held; nothing is then written.
  bool Open(const std::filesystem::path& path) { return file_.Open(path); }
  std::ostream& stream() { return stream_; }

 private:
  // Passes each write on to the held file, unbuffered.
  class Buffer : public std::streambuf {
   public:
    explicit Buffer(HeldLogFile& file) : file_(file) {}

   protected:
    int_type overflow(int_type ch) override;
    std::streamsize xsputn(const char* bytes, std::streamsize count) override;

   private:
    HeldLogFile& file_;
  };

  HeldLogFile file_;
  Buffer buffer_{file_};
  std::ostream stream_{&buffer_};
};

}  // namespace taviron

#include "base/TraceFile.h"

#include <string_view>

namespace taviron {

TraceFile::Buffer::int_type TraceFile::Buffer::overflow(int_type ch) {
  if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
  const char byte = traits_type::to_char_type(ch);
  return file_.Append(std::string_view(&byte, 1)) ? ch : traits_type::eof();
}

std::streamsize TraceFile::Buffer::xsputn(const char* bytes, std::streamsize count) {
  if (count <= 0) return 0;
  return file_.Append(std::string_view(bytes, static_cast<std::size_t>(count))) ? count : 0;
}

}  // namespace taviron

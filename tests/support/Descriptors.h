#pragma once

namespace taviron::test {

// The files, devices and other handles this process holds open now: a file or port must be
// closed on every way out of a sequence.
int OpenDescriptors();

}  // namespace taviron::test

#include <gtest/gtest.h>

#include "fatal_error.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Death tests re-run the binary, so nothing is inherited from a parent that has threads.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // Nobody is there to close a message box under Wine.
  vantrel::SetFatalMessageSink(vantrel::WriteFatalMessageToStderr);
  vantrel::InstallOutOfMemoryHandler();
  return RUN_ALL_TESTS();
}

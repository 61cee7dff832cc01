#include "platform/desktop/alert_presenter.hpp"

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

namespace {

TEST(StreamAlertPresenter, PrintsTitleAndMessageAndReturns) {
  char *buffer = nullptr;
  size_t size = 0;
  std::FILE *stream = open_memstream(&buffer, &size);
  ASSERT_NE(stream, nullptr);
  vigil::desktop::StreamAlertPresenter alert(stream);
  alert.runAlertPanel("Sending the Email notification failed.", "Check 100% of it", "OK");
  std::fclose(stream);
  EXPECT_EQ(std::string(buffer, size), "Sending the Email notification failed.\nCheck 100% of it\n");
  std::free(buffer);
}

}  // namespace

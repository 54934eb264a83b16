// Every test of the ui program shares one widget application, made before the first test
// runs and never destroyed (see EnsureApplication), also when CTest runs a test alone.
#include "ui/session_test_support.h"

namespace {

class ApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { tvk::test::EnsureApplication(); }
};

[[maybe_unused]] const ::testing::Environment* const kApplication =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace

#include <gtest/gtest.h>

#include "core/config/date_value.h"
#include "core/launcher/run.h"
#include "core/launcher/startup_checks.h"
#include "support/scripted_ui.h"

namespace vantrel {
namespace {

TEST(OperatingSystemGate, OnlyTheOldFamiliesAreTooOld) {
  using P = os::SystemVersion::Platform;
  struct Case {
    P platform;
    int major, minor;
    bool tooOld;
  } cases[] = {
      {P::Windows9x, 4, 0, true},  {P::Windows9x, 4, 10, true}, {P::Windows9x, 4, 90, true},
      {P::Windows9x, 4, 3, false}, {P::WindowsNt, 3, 51, true}, {P::WindowsNt, 4, 0, true},
      {P::WindowsNt, 5, 0, false}, {P::WindowsNt, 10, 0, false}, {P::Other, 0, 0, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(isSystemTooOld(os::SystemVersion{c.platform, c.major, c.minor}), c.tooOld) << c.major << "." << c.minor;
}

TEST(DueDecision, FromTheLastCheckTheIntervalAndTheOptions) {
  const DateValue today = dateValueOf(os::LocalTime{2026, 12, 11, 0, 0, 0});
  const DateValue now = today + 15 * 3600;  // 15:00
  struct Case {
    const char* name;
    DateValue lastCheck;
    int interval;
    bool noCheck;
    bool force;
    bool due;
  } cases[] = {
      {"checked today, every day", today, 1, false, false, false},
      {"checked yesterday, every day", today - 86400, 1, false, false, true},
      {"interval 0", today, 0, false, false, true},
      {"never", 0, -1, false, false, false},
      {"never, but forced", today, -1, false, true, true},
      {"no last check", 0, 30, false, false, true},
      {"cancel", 0, 30, true, false, false},
      {"cancel and force", today, 30, true, true, true},
      {"29 days ago, every 30", today - 29 * 86400, 30, false, false, false},
      {"30 days ago, every 30", today - 30 * 86400, 30, false, false, true},
  };
  for (const Case& c : cases) {
    test::ScriptedUi ui;
    vantrel::Run run(ui);
    run.updateInterval = c.interval;
    run.noCheck = c.noCheck;
    if (c.force) run.options.flags |= kOptForce;
    run.nextCheck = c.lastCheck + c.interval * 86400;
    EXPECT_EQ(isCheckDue(run, now), c.due) << c.name;
  }
}

}  // namespace
}  // namespace vantrel

#include <gtest/gtest.h>

#include "core/launcher/event_loop.h"
#include "core/launcher/run.h"
#include "core/launcher/wizard.h"
#include "support/scripted_ui.h"

namespace vantrel {
namespace {

using test::ScriptedUi;

// Records which actions the loop dispatched.
struct Recorder {
  std::vector<std::string> calls;
  WizardActions actions() {
    WizardActions a;
    a.installUpdate = [this](vantrel::Run&) { calls.push_back("install"); };
    a.openConfigDialog = [this](vantrel::Run&) { calls.push_back("config"); };
    a.showAbout = [this](vantrel::Run&) { calls.push_back("about"); };
    a.showSystemInfo = [this](vantrel::Run&) { calls.push_back("sysinfo"); };
    a.next = [this](vantrel::Run&, int level) {
      calls.push_back("next " + std::to_string(level));
      return level;
    };
    return a;
  }
};

TEST(EventLoop, DispatchesTheWizardsEvents) {
  struct Case {
    const char* name;
    std::function<void(ScriptedUi&)> script;
    std::vector<std::string> calls;
  } cases[] = {
      {"weiter twice, then leave", [](ScriptedUi& ui) { ui.click(wizard::kNextButton); ui.action(wizard::kActionNext); ui.click(wizard::kCancelButton); },
       {"next 1", "next 2"}},
      {"config by button and shortcut", [](ScriptedUi& ui) { ui.click(wizard::kConfigButton); ui.action(wizard::kActionConfigure); ui.action(wizard::kActionLeave); },
       {"config", "config"}},
      {"about and report", [](ScriptedUi& ui) { ui.action(wizard::kActionAbout); ui.action(wizard::kActionSystemInfo); ui.closeBox(); },
       {"about", "sysinfo"}},
      {"events of other windows are ignored", [](ScriptedUi& ui) { ui.events.push_back({UiEvent::Kind::Click, UiWindow::Other, wizard::kNextButton}); ui.click(17); ui.closeBox(); },
       {}},
  };
  for (const Case& c : cases) {
    ScriptedUi ui;
    vantrel::Run run(ui);
    c.script(ui);
    Recorder r;
    runEventLoop(run, r.actions());
    EXPECT_EQ(r.calls, c.calls) << c.name;
    EXPECT_TRUE(ui.events.empty()) << c.name << ": the loop ended early";
  }
}

TEST(EventLoop, WhileBusyOnlyTheAboutBoxAndTheBannerAreServed) {
  ScriptedUi ui;
  vantrel::Run run(ui);
  run.busy = true;
  Recorder r;
  WizardActions actions = r.actions();
  int seen = 0;
  // The worker finishes its phase after the fifth event.
  actions.showAbout = [&](vantrel::Run& rr) {
    r.calls.push_back("about");
    if (++seen == 2) rr.busy = false;
  };
  ui.closeBox();
  ui.click(wizard::kNextButton);
  ui.action(wizard::kActionLeave);
  ui.action(wizard::kActionAbout);
  ui.click(wizard::kCancelButton);
  ui.action(wizard::kActionAbout);  // busy ends here
  ui.click(wizard::kNextButton);
  ui.closeBox();
  runEventLoop(run, actions);
  EXPECT_EQ(r.calls, (std::vector<std::string>{"about", "about", "next 1"}));
}

TEST(EventLoop, PhaseTwoRunsBeforeTheFirstEventAndTheNextActionIsLevelTwo) {
  ScriptedUi ui;
  vantrel::Run run(ui);
  run.phase2Mode = true;
  ui.action(wizard::kActionNext);
  ui.closeBox();
  Recorder r;
  runEventLoop(run, r.actions());
  EXPECT_EQ(r.calls, (std::vector<std::string>{"install", "next 2"}));
}

TEST(AnimateProgress, MovesOneUnitAtATime) {
  ScriptedUi ui;
  animateProgress(ui, 3);
  animateProgress(ui, 1);
  animateProgress(ui, -50);
  animateProgress(ui, 0);
  EXPECT_EQ(ui.writes, (std::vector<std::string>{"progress 1", "progress 2", "progress 3", "progress 2",
                                                 "progress 1", "progress 50", "progress 0"}));
  ui.writes.clear();
  ui.progressValue = 100;
  animateProgress(ui, 100);  // one step on; the bar's range keeps it at 100
  EXPECT_EQ(ui.writes, std::vector<std::string>{"progress 100"});
}

TEST(SetFinishMode, TheFinalState) {
  ScriptedUi ui;
  vantrel::Run run(ui);
  run.busy = true;
  setFinishMode(run);
  EXPECT_FALSE(run.busy);
  EXPECT_EQ(ui.writes, (std::vector<std::string>{"text 25 B&eenden", "finish", "enable 26 1", "enable 25 1"}));
}

}  // namespace
}  // namespace vantrel

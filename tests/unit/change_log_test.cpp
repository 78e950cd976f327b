#include <gtest/gtest.h>

#include "core/dialogs/change_log.h"
#include "support/scripted_ui.h"
#include "ui/page_text.h"

namespace vantrel {
namespace {

TEST(ChangeLogWindowSize, FollowsThePrimaryDisplay) {
  struct Case {
    int dw, dh, w, h;
  } cases[] = {{1920, 1080, 800, 640}, {1024, 768, 800, 640}, {640, 480, 640, 480}, {800, 600, 800, 600},
               {0, 0, 480, 320},       {481, 321, 481, 321},  {100000, 100000, 100000, 100000}};
  for (const Case& c : cases) {
    int w = 0, h = 0;
    changeLogWindowSize(c.dw, c.dh, w, h);
    EXPECT_EQ(w, c.w) << c.dw;
    EXPECT_EQ(h, c.h) << c.dh;
  }
}

TEST(WaitForChangeLog, EndsOnlyWhenTheChangeLogWindowCloses) {
  for (UiEvent closing : {UiEvent{UiEvent::Kind::Click, UiWindow::ChangeLog, changelog::kOkButton},
                          UiEvent{UiEvent::Kind::Action, UiWindow::ChangeLog, changelog::kActionClose},
                          UiEvent{UiEvent::Kind::CloseBox, UiWindow::ChangeLog, 0}}) {
    test::ScriptedUi ui;
    ui.closeBox();  // the wizard's close box is not the change log's
    ui.events.push_back({UiEvent::Kind::Click, UiWindow::ChangeLog, changelog::kBrowser});
    ui.events.push_back({UiEvent::Kind::Action, UiWindow::ChangeLog, 4});
    ui.events.push_back(closing);
    ui.click(wizard::kNextButton);
    waitForChangeLog(ui);
    EXPECT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.writes, (std::vector<std::string>{"changelog closed", "window 1"}));
  }
}

TEST(PageText, TagsOutTextIn) {
  const std::string page =
      "<html><head><title>Neu</title><style>p{color:red}</style><script>var a='<p>';</script></head>"
      "<body><h1>Version 1.1</h1>\r\n<p>Behoben:   Absturz&nbsp;beim&nbsp;Start</p><ul><li>Gr&ouml;&szlig;er"
      "</li><li>&lt;schneller&gt; &amp; &#8364;5 &#xFC;</li></ul><!-- <p>versteckt</p> --><br>Ende</body></html>";
  EXPECT_EQ(pageText(page),
            "Neu\n\nVersion 1.1\n\nBehoben: Absturz beim Start\n\n- Gr\xF6\xDF" "er\n- <schneller> & \x80" "5 \xFC\n\nEnde\n");
  EXPECT_EQ(pageText("<p>gr\xC3\xBC\xC3\x9F" "e</p>"), "gr\xFC\xDF" "e\n");  // UTF-8 page
  EXPECT_EQ(pageText("<p>gr\xFC\xDF" "e</p>"), "gr\xFC\xDF" "e\n");          // Windows-1252 page
  EXPECT_EQ(pageText("ohne Ende <b"), "ohne Ende\n");
  EXPECT_EQ(pageText("&bogus; &#0; &"), "&bogus; &#0; &\n");
}

TEST(PageText, LocalPathOfTheUrl) {
  EXPECT_EQ(localPathOfUrl("file:\\\\C:\\Temp\\log.htm"), "C:\\Temp\\log.htm");
  EXPECT_EQ(localPathOfUrl("file:\\\\/tmp/Zelmar/log.htm"), "/tmp/Zelmar/log.htm");
  EXPECT_EQ(localPathOfUrl("file:///tmp/x.htm"), "/tmp/x.htm");
  EXPECT_EQ(localPathOfUrl("http://x/"), "");
  EXPECT_EQ(localPathOfUrl(""), "");
}

}  // namespace
}  // namespace vantrel

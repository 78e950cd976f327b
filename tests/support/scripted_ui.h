// A Ui that records every box and answers questions from a script.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "ui/ui.h"

namespace vantrel::test {

struct ShownBox {
  std::string title;
  std::string text;
  MessageIcon icon;
  MessageButtons buttons;
};

class ScriptedUi : public Ui {
 public:
  std::deque<MessageAnswer> answers;  // for Yes/No boxes; No when empty
  std::vector<ShownBox> boxes;

  MessageAnswer messageBox(const std::string& title, const std::string& text, MessageIcon icon,
                           MessageButtons buttons) override {
    boxes.push_back({title, text, icon, buttons});
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (answers.empty()) return MessageAnswer::No;
    MessageAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
};

}  // namespace vantrel::test

// An IDialogue for tests: records every message and question, with the
// thread it arrived on, and answers questions from a queue (No when the
// queue is empty).
#pragma once

#include <deque>
#include <string>
#include <thread>
#include <vector>

#include "dialogue.h"

namespace lumaveil::testing {

using MessageVu = MessageUtilisateur;

class CDialogueTest : public IDialogue {
 public:
  using IDialogue::Message;
  void Message(const MessageUtilisateur& message) override {
    messages.push_back(message);
    fils.push_back(std::this_thread::get_id());
  }
  int Question(const MessageUtilisateur& question) override {
    questions.push_back(question);
    fils.push_back(std::this_thread::get_id());
    if (reponses.empty()) return 0;
    int r = reponses.front();
    reponses.pop_front();
    return r;
  }
  std::vector<MessageVu> messages;
  std::vector<MessageVu> questions;
  std::vector<std::thread::id> fils;  // thread of each message and question, in order
  std::deque<int> reponses;
};

}  // namespace lumaveil::testing

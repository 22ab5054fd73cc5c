// An IDialogue for tests: records every message and answers questions from
// a queue (No when the queue is empty).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "dialogue.h"

namespace lumaveil::testing {

struct MessageVu {
  std::string texte;
  std::string titre;
  IconeMessage icone;
};

class CDialogueTest : public IDialogue {
 public:
  void Message(const std::string& texte, const std::string& titre,
               IconeMessage icone) override {
    messages.push_back({texte, titre, icone});
  }
  int Question(const std::string& texte, const std::string& titre) override {
    questions.push_back({texte, titre, IconeMessage::Question});
    if (reponses.empty()) return 0;
    int r = reponses.front();
    reponses.pop_front();
    return r;
  }
  std::vector<MessageVu> messages;
  std::vector<MessageVu> questions;
  std::deque<int> reponses;
};

}  // namespace lumaveil::testing

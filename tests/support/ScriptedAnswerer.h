#pragma once

#include <algorithm>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "PromptAnswerer.h"

namespace quillane::test {

// Answers the questions from a script instead of a user, and records every showing: the
// answers queued for a question, in order, then its fallback (go on, unless set otherwise).
struct ScriptedAnswerer final : PromptAnswerer {
  struct Showing {
    Question question;
    std::string file_name, message;
  };
  std::map<Question, std::deque<Answer>> script;
  std::map<Question, Answer> otherwise;
  std::vector<Showing> shown;

  Answer Ask(Question question, const std::string& file_name, const std::string& message) override {
    shown.push_back({question, file_name, message});
    std::deque<Answer>& queued = script[question];
    if (queued.empty()) return otherwise.try_emplace(question, Answer{.go_on = true}).first->second;
    const Answer answer = queued.front();
    return queued.pop_front(), answer;
  }
  std::size_t Count(Question question) const {
    return std::ranges::count(shown, question, &Showing::question);
  }
};

}  // namespace quillane::test

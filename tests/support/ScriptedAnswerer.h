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
    if (queued.empty())
      return otherwise.contains(question) ? otherwise[question] : Answer{.go_on = true};
    const Answer answer = queued.front();
    queued.pop_front();
    return answer;
  }
  std::size_t Count(Question question) const {
    return std::count_if(shown.begin(), shown.end(),
                         [&](auto& s) { return s.question == question; });
  }
};

}  // namespace quillane::test

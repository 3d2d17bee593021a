#pragma once

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
    const auto fallback = otherwise.find(question);
    const Answer answer = !queued.empty()               ? queued.front()
                          : fallback != otherwise.end() ? fallback->second
                                                        : Answer{.go_on = true};
    if (!queued.empty()) queued.pop_front();
    return answer;
  }
  std::size_t Count(Question question) const {
    std::size_t count = 0;
    for (const Showing& showing : shown) count += showing.question == question;
    return count;
  }
};

}  // namespace quillane::test

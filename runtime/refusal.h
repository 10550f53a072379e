#pragma once
// An entry the program will not work with: the message that says why and
// the box to correct. No Qt here, so each rule keeps its refusals beside it;
// the window layer shows one with rt::refuse (messages.h).

#include <string>

namespace rt {

struct Refusal {
    std::string title;
    std::string line1;   // what is wrong
    std::string line2;   // what to do; may be empty
    std::string box;     // object name of the box that takes the focus; may be empty
    int style = 48;      // message icon: 48 exclamation, 32 question

    // A refusal made with no title refuses nothing.
    bool refuses() const { return !title.empty(); }
    // The message's prompt: its lines, the second on a line of its own.
    std::string prompt() const { return line2.empty() ? line1 : line1 + "\n" + line2; }
};

} // namespace rt

#pragma once
// An entry the program will not work with: the message that says why and,
// for an entry the user can correct, the field to correct. No Qt here, so
// each rule keeps its refusals beside it; the window layer shows one with
// rt::refuse (messages.h) and puts the focus in the control of the field.

#include <optional>
#include <string>

namespace rt {

// The icon of a message, by the style number ShowMessage takes.
enum class MessageStyle { Critical = 16, Question = 32, Exclamation = 48 };

struct Refusal {
    std::string title;
    std::string line1; // what is wrong
    std::string line2; // what to do; may be empty
    MessageStyle style = MessageStyle::Exclamation;

    // A refusal made with no title refuses nothing.
    bool refuses() const { return !title.empty(); }
    // The message's prompt: its lines, the second on a line of its own.
    std::string prompt() const { return line2.empty() ? line1 : line1 + "\n" + line2; }
};

// A refusal that names the field to correct, by the rule's own enum of its
// fields; the window maps the field to its control.
template <typename Field>
struct FieldRefusal : Refusal {
    std::optional<Field> field;
};

} // namespace rt

#include "kervadin/core/checkentry.h"

namespace kervadin {

CheckRefusal entryRefusal(const EntryReading &entry, CheckField field, const std::string &title,
                          const std::string &subject, const std::string &correct)
{
    const std::string retry = "Please correct " + correct + " and try again.";
    switch (entry.form) {
    case EntryForm::Empty:
    case EntryForm::Number: return {};
    case EntryForm::Comma:
        return refusalAt(field, title, subject + " has a comma in it.",
                         "Use a point for decimals, as in 12.305.");
    case EntryForm::NotANumber:
        return refusalAt(field, title, subject + " is not a number above 0.", retry);
    case EntryForm::MoreThanNumber:
        return refusalAt(field, title, subject + " holds more than a number.",
                         "Please type the number alone, as in 12.305, and try again.");
    case EntryForm::TooLong:
        return refusalAt(field, title,
                         subject + " is longer than a number can be (over "
                             + std::to_string(LongestEntry) + " characters).",
                         retry);
    case EntryForm::TooLarge:
        return refusalAt(field, title, subject + " is too large a number.",
                         "Please check it for a misplaced point, an extra digit or a large "
                         "exponent.");
    }
    return {};
}

} // namespace kervadin

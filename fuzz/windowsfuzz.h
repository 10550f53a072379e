#pragma once
// The harness shared by the window fuzz targets: each input becomes a
// scripted session of at most 64 actions (texts typed into boxes, items
// chosen from lists, clicks, keys, windows closed) on a freshly started program, run through the script
// driver with real input events. After every action it checks what a person
// would see:
// - the script driver accepted the line (the harness only names controls
//   that are on the screen, so an error line means the two disagree);
// - every message has style 16, 32 or 48, a title and a prompt, and a fault
//   report says one of the three fault sentences;
// - no text the program wrote (labels, captions, and text boxes whose text
//   is not what was typed into them) shows "inf", "nan" or an exponent;
// - once the program has ended, none of its windows is visible.
// A failed check prints the session as a script for the program's script
// tool, with what it printed, and aborts. With FUZZ_PRINT_SCRIPT set, every
// input's script is printed to standard error, so a corpus file can be
// turned into a script.

#include "runtime/program.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace windowsfuzz {

// A label whose text the program copies from a text box, as typed, with a
// fixed ending: that text is the user's, not a computed one.
struct Echo {
    QString label; // WINDOW.NAME
    QString box;   // WINDOW.NAME
    QString ending;
};

struct Program {
    rt::ProgramFactory make;
    // The window whose closing ends the program.
    QString mainWindow;
    // Controls whose click ends the program (WINDOW.NAME); they are clicked
    // only by the harness's rare "end" action.
    QStringList endingControls;
    std::vector<Echo> echoes;
};

// For LLVMFuzzerInitialize: the offscreen platform and the application.
void initialize(const Program &program);

// For LLVMFuzzerTestOneInput.
int runInput(const uint8_t *data, size_t size);

} // namespace windowsfuzz

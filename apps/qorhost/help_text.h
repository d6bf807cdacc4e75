#pragma once

namespace qorhost {

// How to call the program.
extern const char* const kUsage;
// The scenario language with the host's choices where the language leaves
// room.
extern const char* const kLanguageHelp;
// The first lines of the tour.
extern const char* const kTourIntro;

}  // namespace qorhost

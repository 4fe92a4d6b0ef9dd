// The game's text and the text of its XML files. The game's fonts draw
// Latin-1, one byte a letter, and the names it shows are held so; its XML
// files hold UTF-8.
#pragma once

#include <string>

namespace Kest {

// The game's text as an XML file holds it: every byte a Latin-1 letter.
std::string ToXmlText(const std::string& text);

// The text of an XML file as the game shows it; a letter beyond Latin-1 is
// shown, and so saved, as '?'. Whatever ToXmlText gives reads back as it
// was, so a name keeps its letters across any number of saves.
std::string FromXmlText(const std::string& text);

bool IsUtf8(const std::string& text);

// The text as UTF-8: kept when it is UTF-8 already, else taken as Latin-1.
std::string AsUtf8(const std::string& text);

}  // namespace Kest

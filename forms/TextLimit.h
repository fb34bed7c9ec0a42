#pragma once

class QLineEdit;

// Lets a box take at most `characters` characters, counted as the database
// counts them (an emoji is one character, not two UTF-16 units); 0 lifts the
// limit. Typing and pasting stop at the limit, but a text the program sets
// (a record loaded) is shown whole, never cut, and may be shortened from there.
void limitCharacters(QLineEdit *box, int characters);

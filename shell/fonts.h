#pragma once

// Adds the Tahoma twin, which ships outside fontconfig's folders, so the
// designed layout keeps its proportions where the desktop lacks Tahoma.
// (A missing Arial is replaced by its twin where fonts are made.)
void registerFontTwins();

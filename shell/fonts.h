#pragma once

// Makes Arial and Tahoma resolve to their metric twins where the desktop
// lacks them, so the designed layout keeps its proportions.
void registerFontTwins();

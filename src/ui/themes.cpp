#include "ui/themes.h"

namespace vecrast {

// No theme archives are shipped yet: the built-in images stay.
void ListThemes() {}

void LoadThemeImages(bool, bool, bool) {}

}  // namespace vecrast

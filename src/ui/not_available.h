// The box of a command whose window is not part of this build yet.
#pragma once

namespace vecrast {

void ShowNotAvailableYet();

}  // namespace vecrast

#include "ui/not_available.h"

#include "app/product.h"
#include "ui/message_boxes.h"

namespace vecrast {

void ShowNotAvailableYet() { ShowInformation(WindowTitle(), "This part of the program is not available yet."); }

}  // namespace vecrast
